#pragma once

#include "framework/cwnd.h"

#include <memory>

namespace detail {
class DialogWindowBase;
class DialogWindow;
}  // namespace detail

// A dialog built from a dialog template resource.
//
// The keyboard works as on the old platform: Escape, the close box and Alt+F4 issue
// IDCANCEL; Enter clicks a focused push button, does nothing in a multi-line edit box that
// wants Return, and issues IDOK anywhere else. IDOK and IDCANCEL reach OnOK and OnCancel
// through the message map; commands the dialog's map does not take go on to the
// application's.
class CDialog : public CWnd {
public:
    // The dialog is a window of its own: the programs give it no parent.
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window, runs OnInitDialog, shows the window and serves it until the
    // dialog is ended, destroys the window and returns the end code; -1 when there is no
    // such template.
    virtual int DoModal();
    // Ends the dialog with `result`, which DoModal returns.
    void EndDialog(int result);

    BOOL OnCmdMsg(int id, int code) override;

protected:
    // Fills the combo boxes from the template's initialisation data, then writes every
    // field into its control. The first tab stop takes the focus when the window shows.
    virtual BOOL OnInitDialog();
    // Reads every control into its field, then ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    // The backend's window, which binds this object and runs OnInitDialog once its controls
    // exist.
    friend class detail::DialogWindow;

    void FillListsFromInitData();

    int templateId_;
    std::unique_ptr<detail::DialogWindowBase> window_;
};
