#pragma once

#include "framework/dialog_template.h"
#include "framework/win_types.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

class CDialog;

// What each backend does with its windows for the code both backends share: the modal run
// of a dialog, the data exchange, the filling of lists and the text of a CWnd. Each backend
// implements all of it in its own backend.cpp. Text is UTF-8 on this side.
namespace detail {

// The window of a CDialog, as each backend makes it (its own DialogWindow): it runs modally
// and keeps the template's items, which the data exchange walks.
class DialogWindowBase {
public:
    explicit DialogWindowBase(std::span<const DialogItemTemplate> items) : items_(items) {}
    DialogWindowBase(const DialogWindowBase&) = delete;
    DialogWindowBase& operator=(const DialogWindowBase&) = delete;
    virtual ~DialogWindowBase() = default;

    // Runs the window modally, its controls made and OnInitDialog run, until the dialog
    // ends; returns the end code.
    virtual int RunModal() = 0;
    // Ends the modal run with `result`.
    virtual void EndModal(int result) = 0;

    std::span<const DialogItemTemplate> Items() const { return items_; }

private:
    std::span<const DialogItemTemplate> items_;
};

// The window of `owner` from template `templateId`; nullptr when there is no such template.
std::unique_ptr<DialogWindowBase> MakeDialogWindow(CDialog& owner, int templateId);
// The dialog window `window` is; nullptr for any other window.
const DialogWindowBase* DialogWindowOf(HWND window);

// The text of an edit box.
std::string WindowText(HWND window);
// Replaces the text of an edit box; a multi-line one then shows the end of its text.
void SetWindowText(HWND window, std::string_view text);

bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

// Adds `text` to combo box `list`: at its sorted place in a sorted list (CBS_SORT), else at
// the end.
void AddListItem(HWND list, std::string_view text);

}  // namespace detail
