#pragma once

#include <QPlainTextEdit>
#include <QString>

#include <cstddef>
#include <vector>

class QMimeData;

namespace detail {

// A read-only multi-line box whose text wraps at any character, for text that grows and
// shrinks at its end a few characters at a time and gets long (thousands of characters
// without a space).
//
// The toolkit lays a paragraph out whole on every change, so one long paragraph would cost
// a change in proportion to all the text. The box wraps the text itself instead: each shown
// line is a paragraph of its own in the document, and a change at the end re-wraps only from
// the line where it starts. The document therefore holds the text with a paragraph break at
// every wrap; `text()` is the text itself, and copying, dragging and assistive technology
// see the text, never the breaks. A line break in the text ("\n" or "\r\n") ends a line too.
class WrappingTextBox : public QPlainTextEdit {
public:
    explicit WrappingTextBox(QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    // Changes only what follows the part the old and new text have in common, then shows
    // the end. A selection before the change stays.
    void setText(const QString& text);

    // Between offsets in text() and positions in the document.
    int documentPosition(int offset) const;
    int textOffset(int documentPosition) const;
    // The text between two document positions, in either order.
    QString textBetween(int fromPosition, int toPosition) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    // One shown line: text()[start, end). The next line starts at `end`, or after the line
    // break that ended this one.
    struct Line {
        int start = 0;
        int end = 0;
        int position = 0;  // of its start in the document
    };

    // The lines from `start`, the first of them at document `position`.
    std::vector<Line> Wrap(int start, int position) const;
    static int NextLinePosition(const Line& line) { return line.position + (line.end - line.start) + 1; }
    std::size_t LineOfOffset(int offset) const;
    std::size_t LineOfPosition(int position) const;
    // The last line whose `start` (an offset or a document position) is at most `value`.
    std::size_t LastLineStartingBy(int value, int Line::*start) const;
    QString DocumentText(std::size_t firstLine) const;
    double CharacterWidth(QChar character) const;
    double LineWidth() const;
    void RewrapAll();
    void ShowEnd();

    QString text_;
    std::vector<Line> lines_{Line{}};
    double wrappedWidth_ = 0;
    mutable std::vector<double> asciiWidths_;  // of the characters below 128, once measured
};

}  // namespace detail
