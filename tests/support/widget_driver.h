#pragma once

#include "framework/cdialog.h"

#include <QApplication>
#include <QString>
#include <QWidget>
#include <Qt>

#include <functional>

// Drives dialogs through their real widgets with real input events.

// The control `id` of `dialog` as a toolkit widget of type Widget, or nullptr.
template <class Widget>
Widget* ControlWidget(const CWnd& dialog, int id)
{
    return qobject_cast<Widget*>(dialog.GetDlgItem(id));
}

// Creates `dialog` modeless and waits until its window is active, so keys reach it.
bool ShowActive(CDialog& dialog);

bool HasFocus(const CWnd& dialog, int id);

// Gives control `id` the focus, as the user would by clicking on it or tabbing to it.
void FocusControl(const CWnd& dialog, int id);

// Presses and releases `key` where the keyboard focus is (in an open popup, its list).
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Types `text` into the focused widget: ASCII characters as key presses, anything else as
// an input method commits it (as Japanese text arrives from the user's input method).
void TypeText(const QString& text);

// Clicks the middle of control `id` with the left mouse button.
void ClickControl(const CWnd& dialog, int id);

// Opens the drop-down part of list `id` from the keyboard (F4), scrolls item `index` into
// view and clicks it, as the user picks an item.
void PickListItem(const CWnd& dialog, int id, int index);

// Runs `action` once the modal dialog about to run is shown and active.
void WhenModalDialogIsActive(std::function<void(QWidget* dialog)> action);
