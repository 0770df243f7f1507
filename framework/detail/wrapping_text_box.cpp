#include "framework/detail/wrapping_text_box.h"

#include "framework/detail/wrapping_text_box_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace detail {

namespace {

bool IsLineBreak(QChar character)
{
    return character == u'\n';
}

// Where two texts first differ.
int CommonPrefix(const QString& a, const QString& b)
{
    return static_cast<int>(std::ranges::mismatch(a, b).in1 - a.begin());
}

}  // namespace

WrappingTextBox::WrappingTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(&WrappingTextBoxAccessible::Create);
        return true;
    }();
    (void)accessibilityInstalled;

    // The box breaks the lines; the toolkit only lays out each short one.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    // Hex digits and kana need no shaping; plain glyph look-ups also match the widths the
    // box measures to wrap.
    QFont plain = font();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    setFont(plain);
}

void WrappingTextBox::setText(const QString& text)
{
    const int kept = CommonPrefix(text_, text);
    if (kept == text_.size() && kept == text.size()) {
        ShowEnd();
        return;
    }
    if (LineWidth() != wrappedWidth_) {  // resized since the last wrap, while hidden
        text_ = text;
        RewrapAll();
        ShowEnd();
        return;
    }
    // The line that holds the last character kept may now take more or fewer characters;
    // the lines before it stay as they are.
    const std::size_t first = kept == 0 ? 0 : LineOfOffset(kept - 1);
    const QString oldTail = DocumentText(first);
    text_ = text;
    std::vector<Line> rewrapped = Wrap(lines_[first].start, lines_[first].position);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first), lines_.end());
    lines_.insert(lines_.end(), rewrapped.begin(), rewrapped.end());
    const QString newTail = DocumentText(first);

    // One edit of the document, from where its text first differs.
    const int same = CommonPrefix(oldTail, newTail);
    QTextCursor change(document());
    change.setPosition(lines_[first].position + same);
    change.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    change.insertText(newTail.mid(same));
    ShowEnd();
}

int WrappingTextBox::documentPosition(int offset) const
{
    offset = std::clamp(offset, 0, static_cast<int>(text_.size()));
    const Line& line = lines_[LineOfOffset(offset)];
    return line.position + std::min(offset - line.start, line.end - line.start);
}

int WrappingTextBox::textOffset(int documentPosition) const
{
    const Line& line = lines_[LineOfPosition(documentPosition)];
    return line.start + std::clamp(documentPosition - line.position, 0, line.end - line.start);
}

QString WrappingTextBox::textBetween(int fromPosition, int toPosition) const
{
    const int from = textOffset(std::min(fromPosition, toPosition));
    const int to = textOffset(std::max(fromPosition, toPosition));
    return text_.mid(from, to - from);
}

std::vector<WrappingTextBox::Line> WrappingTextBox::Wrap(int start, int position) const
{
    const double width = LineWidth();
    const auto size = static_cast<int>(text_.size());
    std::vector<Line> lines;
    Line line{start, start, position};
    double x = 0;
    int i = start;
    while (i < size) {
        const QChar character = text_[i];
        if (IsLineBreak(character)) {
            line.end = i > line.start && text_[i - 1] == u'\r' ? i - 1 : i;
            lines.push_back(line);
            line = Line{i + 1, i + 1, NextLinePosition(line)};
            x = 0;
            ++i;
            continue;
        }
        // A surrogate pair is one character and stays on one line.
        const int units = character.isHighSurrogate() && i + 1 < size && text_[i + 1].isLowSurrogate() ? 2 : 1;
        const double advance =
            units == 1 ? CharacterWidth(character) : QFontMetricsF(font()).horizontalAdvance(text_.mid(i, 2));
        if (x + advance > width && i > line.start) {
            line.end = i;
            lines.push_back(line);
            line = Line{i, i, NextLinePosition(line)};
            x = 0;
        }
        x += advance;
        i += units;
    }
    line.end = size;
    lines.push_back(line);
    return lines;
}

std::size_t WrappingTextBox::LineOfOffset(int offset) const
{
    return LastLineStartingBy(offset, &Line::start);
}

std::size_t WrappingTextBox::LineOfPosition(int position) const
{
    return LastLineStartingBy(position, &Line::position);
}

std::size_t WrappingTextBox::LastLineStartingBy(int value, int Line::*start) const
{
    const auto after = std::ranges::upper_bound(lines_, value, {}, start);
    return static_cast<std::size_t>(std::max<std::ptrdiff_t>(after - lines_.begin() - 1, 0));
}

QString WrappingTextBox::DocumentText(std::size_t firstLine) const
{
    QString rows;
    for (std::size_t i = firstLine; i < lines_.size(); ++i) {
        if (i > firstLine)
            rows += u'\n';
        rows += QStringView(text_).mid(lines_[i].start, lines_[i].end - lines_[i].start);
    }
    return rows;
}

double WrappingTextBox::CharacterWidth(QChar character) const
{
    const char16_t code = character.unicode();
    if (code >= 128)
        return QFontMetricsF(font()).horizontalAdvance(character);
    if (asciiWidths_.empty()) {
        const QFontMetricsF metrics(font());
        asciiWidths_.resize(128);
        for (char16_t c = 0; c < 128; ++c)
            asciiWidths_[c] = metrics.horizontalAdvance(QChar(c));
    }
    return asciiWidths_[code];
}

double WrappingTextBox::LineWidth() const
{
    // The caret at the end of a full line stays inside too.
    return viewport()->width() - 2 * document()->documentMargin() - cursorWidth() - 1;
}

void WrappingTextBox::RewrapAll()
{
    wrappedWidth_ = LineWidth();
    const QTextCursor cursor = textCursor();
    const int anchor = textOffset(cursor.anchor());
    const int position = textOffset(cursor.position());
    QScrollBar& bar = *verticalScrollBar();
    const bool atEnd = bar.value() == bar.maximum();

    lines_ = Wrap(0, 0);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.insertText(DocumentText(0));

    QTextCursor restored(document());
    restored.setPosition(documentPosition(anchor));
    restored.setPosition(documentPosition(position), QTextCursor::KeepAnchor);
    setTextCursor(restored);
    if (atEnd)
        ShowEnd();
}

void WrappingTextBox::ShowEnd()
{
    QScrollBar& bar = *verticalScrollBar();
    bar.setValue(bar.maximum());
}

void WrappingTextBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    if (LineWidth() != wrappedWidth_)
        RewrapAll();
}

void WrappingTextBox::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        asciiWidths_.clear();
        RewrapAll();
    }
}

// A double click selects the word under the pointer, as far as the text has no space, across
// the box's own line ends: the programs' output, which has no spaces, is selected whole.
void WrappingTextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    const int offset = textOffset(cursorForPosition(event->position().toPoint()).position());
    int from = offset;
    while (from > 0 && !text_[from - 1].isSpace())
        --from;
    int to = offset;
    while (to < text_.size() && !text_[to].isSpace())
        ++to;
    if (from == to) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    QTextCursor word(document());
    word.setPosition(documentPosition(from));
    word.setPosition(documentPosition(to), QTextCursor::KeepAnchor);
    setTextCursor(word);
    QClipboard& clipboard = *QApplication::clipboard();
    if (clipboard.supportsSelection())
        clipboard.setText(text_.mid(from, to - from), QClipboard::Selection);
    event->accept();
}

QMimeData* WrappingTextBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto* selected = new QMimeData;
    selected->setText(textBetween(cursor.selectionStart(), cursor.selectionEnd()));
    return selected;
}

}  // namespace detail
