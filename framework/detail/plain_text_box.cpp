#include "framework/detail/plain_text_box.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace detail {

namespace {

// The paragraphs' layouts keep their glyphs after layout, so that placing the cursor and
// painting need not shape the whole paragraph again. New paragraphs come with new layouts.
void KeepLayouts(const QTextDocument& document)
{
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
}

}  // namespace

void PrepareForGrowingText(QPlainTextEdit& box)
{
    QFont font = box.font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    box.setFont(font);
    box.setUndoRedoEnabled(false);
    // A paragraph of no stated direction is scanned whole for right-to-left text whenever
    // the cursor is placed; the box's direction settles it.
    QTextOption option = box.document()->defaultTextOption();
    option.setTextDirection(box.layoutDirection());
    box.document()->setDefaultTextOption(option);
    KeepLayouts(*box.document());
}

void ReplacePlainText(QPlainTextEdit& box, const QString& text)
{
    QTextDocument& document = *box.document();
    const QString old = document.toPlainText();
    const auto kept = static_cast<int>(std::ranges::mismatch(old, text).in1 - old.begin());
    if (kept != old.size() || kept != text.size()) {
        QTextCursor change(&document);
        change.setPosition(kept);
        change.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        change.insertText(text.mid(kept));
        KeepLayouts(document);
    }
    QScrollBar& bar = *box.verticalScrollBar();
    bar.setValue(bar.maximum());
}

}  // namespace detail
