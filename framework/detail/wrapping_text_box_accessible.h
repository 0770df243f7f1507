#pragma once

#include <QAccessibleWidget>

namespace detail {

class WrappingTextBox;

// What screen readers and UI automation see of a WrappingTextBox: its text as the program
// set it, with offsets into that text; the paragraph breaks the box puts at its own line
// ends stay hidden.
class WrappingTextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit WrappingTextBoxAccessible(WrappingTextBox* box);

    // An accessibility factory: the interface of every WrappingTextBox.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    WrappingTextBox& Box() const;
    void Select(int anchorOffset, int positionOffset);
};

}  // namespace detail
