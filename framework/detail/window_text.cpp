#include "framework/detail/window_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

namespace detail {

namespace {

// The first row to show so that the last rows fill the box, as a classic box scrolled to its
// end shows them. The toolkit's own last position keeps room for a margin above the first
// row too, which it leaves only at the top of the text, so it can show the last rows at the
// top with empty room below; moving the caret to the end would lay the whole paragraph out
// again to place it.
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
// part after what the old and new text share is laid out again.
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

QString WindowText(const QWidget* window)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(window))
        return line->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(window))
        return box->toPlainText();
    return {};
}

void SetWindowText(QWidget* window, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(window))
        line->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(window))
        ReplaceTail(*box, text);
}

}  // namespace detail
