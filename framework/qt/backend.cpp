// The Qt backend's side of what both backends share (framework/detail/backend.h): dialog
// windows run modally, and the text, checks and items of its widgets.
#include "framework/detail/backend.h"

#include "framework/qt/dialog_window.h"
#include "framework/qt/text.h"
#include "framework/window_styles.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

namespace detail {


namespace {

// The row to scroll to so that the last rows fill the box, as a classic box scrolled to its
// end shows them: as many rows as fit, counted up from the end. The toolkit's own last
// position keeps room for a margin that it draws only above the text's first row, and so
// can show the last rows at the top of the box with empty room below them. (Moving the
// caret to the end instead would lay the whole paragraph out again to place it.)
int EndRow(const QPlainTextEdit& box)
{
    qreal room = box.viewport()->height();
    int rowsShown = 0;
    for (QTextBlock block = box.document()->lastBlock(); block.isValid(); block = block.previous()) {
        const QTextLayout& rows = *block.layout();
        for (int row = rows.lineCount() - 1; row >= 0; --row) {
            room -= rows.lineAt(row).height();
            if (room < 0)
                return box.document()->lineCount() - rowsShown;
            ++rowsShown;
        }
    }
    return 0;
}

// The composers' output grows and shrinks at its end a few characters at a time: only the
// part after what the old and new text share is removed and inserted.
void ReplaceTail(QPlainTextEdit& box, const QString& text)
{
    const QString old = box.toPlainText();
    const auto kept = static_cast<int>(std::ranges::mismatch(old, text).in1 - old.begin());
    if (kept < old.size() || kept < text.size()) {
        // One edit block: a cursor outside one places itself on the screen after every
        // move, which lays the whole paragraph out again each time.
        QTextCursor change(box.document());
        change.beginEditBlock();
        change.setPosition(kept);
        change.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        change.insertText(text.mid(kept));
        change.endEditBlock();
    }
    box.verticalScrollBar()->setValue(EndRow(box));
}

}  // namespace

std::unique_ptr<DialogWindowBase> MakeDialogWindow(CDialog& owner, int templateId)
{
    return DialogWindow::Create(owner, templateId);
}

const DialogWindowBase* DialogWindowOf(HWND window)
{
    return DialogWindow::Of(window);  // GCOVR_EXCL_BR_LINE: the compiler's null test of the base
}

std::string WindowText(HWND window)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(window))
        return ToUtf8(line->text());
    // The programs read edit boxes only.
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(window))  // GCOVR_EXCL_BR_LINE
        return ToUtf8(box->toPlainText());
    return {};
}

void SetWindowText(HWND window, std::string_view text)
{
    if (auto* line = qobject_cast<QLineEdit*>(window))
        line->setText(ToNative(text));
    // The programs write edit boxes only.
    else if (auto* box = qobject_cast<QPlainTextEdit*>(window))  // GCOVR_EXCL_BR_LINE
        ReplaceTail(*box, ToNative(text));
}


bool IsChecked(HWND button)
{
    return static_cast<const QAbstractButton*>(button)->isChecked();  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
}

// The radio buttons of a dialog exclude each other, as the toolkit's radio buttons of one
// parent do: checking one clears the rest, and the checked one cannot be cleared.
void SetChecked(HWND button, bool checked)
{
    static_cast<QAbstractButton*>(button)->setChecked(checked);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
}

// A sorted list places an item after every item that is not greater, comparing the UTF-8
// bytes (so hex address labels stay in ascending order).
void AddListItem(HWND list, std::string_view text)
{
    auto& combo = *qobject_cast<QComboBox*>(list);
    const DialogControl* control = DialogWindow::ControlOf(list);
    int place = combo.count();
    // Every list is a dialog's control.
    if (control != nullptr && (control->item->style & CBS_SORT) != 0) {  // GCOVR_EXCL_BR_LINE
        place = 0;
        // Both tests take both ways; the rest are the compiler's for the temporaries and the sanitizer's.
        while (place < combo.count() && ToUtf8(combo.itemText(place)) <= text)  // GCOVR_EXCL_BR_LINE
            ++place;
    }
    combo.insertItem(place, ToNative(text));
}

}  // namespace detail
