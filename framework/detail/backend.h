#pragma once

#include "framework/cdialog.h"
#include "framework/dialog_template.h"
#include "framework/win_types.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

// What each backend does with its windows for the code both backends share: the modal run
// of a dialog, the data exchange, the filling of lists and the text of a CWnd. Text is UTF-8
// on this side.
namespace detail {

using DialogWindowPtr = std::unique_ptr<DialogWindow, DialogWindowDeleter>;

// The window of `owner` from template `templateId`; nullptr when there is no such template.
DialogWindowPtr MakeDialogWindow(CDialog& owner, int templateId);
// Runs `window` modally, its controls made and OnInitDialog run, until the dialog ends;
// returns the end code.
int RunModal(DialogWindow& window);
// Ends the modal run with `result`.
void EndModal(DialogWindow& window, int result);

// The template items of dialog window `dialog`, in order; none for any other window.
std::span<const DialogItemTemplate> TemplateItemsOf(HWND dialog);

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
