#include "framework/detail/backend.h"
#include "framework/qt/qt_text.h"

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

std::string WindowText(HWND window)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(window))
        return ToBytes(line->text());
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(window))
        return ToBytes(box->toPlainText());
    return {};
}

void SetWindowText(HWND window, std::string_view text)
{
    if (auto* line = qobject_cast<QLineEdit*>(window))
        line->setText(ToQString(text));
    else if (auto* box = qobject_cast<QPlainTextEdit*>(window))
        ReplaceTail(*box, ToQString(text));
}

}  // namespace detail
