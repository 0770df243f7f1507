#pragma once

#include "framework/detail/backend.h"
#include "framework/detail/control_kind.h"
#include "framework/qt/dialog_units.h"
#include "framework/resources.h"

#include <QDialog>

#include <memory>
#include <span>
#include <vector>

class CDialog;
class QComboBox;
class QKeyEvent;
class QPlainTextEdit;

namespace detail {

// One control of a dialog, in template order.
struct DialogControl {
    const DialogItemTemplate* item;
    ControlKind kind;
    HWND window;
};

// The window of a CDialog: its controls built from the template, the dialog keyboard
// interface, and the messages it hands to its CDialog (commands, notifications, painting,
// closing).
class DialogWindow final : public QDialog, public DialogWindowBase {
public:
    // The window of `owner` made from template `templateId`, its controls named and
    // initialised by the owner's OnInitDialog; nullptr when there is no such template.
    static std::unique_ptr<DialogWindow> Create(CDialog& owner, int templateId);
    // Makes the window of `owner` and shows it without waiting (modeless).
    static BOOL CreateModeless(CDialog& owner);
    // The window of `owner`, made by CreateModeless or running modally.
    static const DialogWindow& WindowOf(const CDialog& owner);

    // The dialog window `window` is, or nullptr.
    static DialogWindow* Of(HWND window);
    // The control `widget` is or belongs to (the text field of a combo box), in the dialog
    // that holds it; nullptr for any other widget.
    static const DialogControl* ControlOf(const QWidget* widget);

    CDialog& Owner() const { return owner_; }
    std::span<const DialogControl> Controls() const { return controls_; }
    const DialogControl* FindControl(int id) const;
    DialogBaseUnits BaseUnits() const { return baseUnits_; }

    // Sets the window icon, `icon` at its standard and its small size.
    void SetIcon(HICON icon);

    int RunModal() override { return exec(); }
    void EndModal(int result) override { done(result); }
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate, QWidget* parent);

    void BuildControls(const DialogTemplate& dialogTemplate);
    // Gives each control named in `names` that name for assistive technology.
    void NameControls(std::span<const ControlNameRecord> names);
    void ConnectNotifications(const DialogControl& control);
    // The keys the dialog itself answers; true when `event` was one of them.
    bool HandleDialogKey(QKeyEvent* event, const DialogControl* focusControl);
    bool HandleControlKey(const QKeyEvent& event, const DialogControl& control);
    bool HandleOpenListKey(QKeyEvent& event, QComboBox& list);
    // The list whose drop-down part `watched` is (its window or its view), or nullptr.
    QComboBox* OpenListOf(QObject* watched) const;
    void MoveInGroup(const DialogControl& from, bool backwards);
    void ShowEditMenu(QPlainTextEdit& box, QPoint at);
    void Notify(int id, int code);

    CDialog& owner_;
    DialogBaseUnits baseUnits_;
    std::vector<DialogControl> controls_;
};

}  // namespace detail
