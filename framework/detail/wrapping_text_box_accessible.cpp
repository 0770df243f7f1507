#include "framework/detail/wrapping_text_box_accessible.h"

#include "framework/detail/wrapping_text_box.h"

#include <QFontMetrics>
#include <QTextCursor>

#include <algorithm>

namespace detail {

WrappingTextBoxAccessible::WrappingTextBoxAccessible(WrappingTextBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QAccessibleInterface* WrappingTextBoxAccessible::Create(const QString& /*className*/, QObject* object)
{
    // Asked for each class of the object in turn, from its own down: the box's own class
    // comes first, under the name of the toolkit's box it is made from.
    if (auto* box = dynamic_cast<WrappingTextBox*>(object))
        return new WrappingTextBoxAccessible(box);
    return nullptr;
}

WrappingTextBox& WrappingTextBoxAccessible::Box() const
{
    return *static_cast<WrappingTextBox*>(widget());
}

QString WrappingTextBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return Box().text();
    return QAccessibleWidget::text(kind);
}

QAccessible::State WrappingTextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Box().isReadOnly();
    state.editable = !Box().isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void* WrappingTextBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void WrappingTextBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = Box().textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection())
        return;
    *startOffset = Box().textOffset(cursor.selectionStart());
    *endOffset = Box().textOffset(cursor.selectionEnd());
}

int WrappingTextBoxAccessible::selectionCount() const
{
    return Box().textCursor().hasSelection() ? 1 : 0;
}

void WrappingTextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    Select(startOffset, endOffset);
}

void WrappingTextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = Box().textCursor();
    cursor.clearSelection();
    Box().setTextCursor(cursor);
}

void WrappingTextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        Select(startOffset, endOffset);
}

int WrappingTextBoxAccessible::cursorPosition() const
{
    return Box().textOffset(Box().textCursor().position());
}

void WrappingTextBoxAccessible::setCursorPosition(int position)
{
    Select(position, position);
}

QString WrappingTextBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString& all = Box().text();
    const int from = std::clamp(startOffset, 0, static_cast<int>(all.size()));
    const int to = std::clamp(endOffset, from, static_cast<int>(all.size()));
    return all.mid(from, to - from);
}

int WrappingTextBoxAccessible::characterCount() const
{
    return static_cast<int>(Box().text().size());
}

QRect WrappingTextBoxAccessible::characterRect(int offset) const
{
    const QString& all = Box().text();
    if (offset < 0 || offset >= all.size())
        return {};
    QTextCursor at(Box().document());
    at.setPosition(Box().documentPosition(offset));
    QRect rect = Box().cursorRect(at);
    rect.setWidth(QFontMetrics(Box().font()).horizontalAdvance(all[offset]));
    return {Box().viewport()->mapToGlobal(rect.topLeft()), rect.size()};
}

int WrappingTextBoxAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = Box().viewport()->mapFromGlobal(point);
    if (!Box().viewport()->rect().contains(local))
        return -1;
    // The toolkit gives the nearest place between two characters; the point is on the
    // character before that place when it lies left of it.
    QTextCursor at = Box().cursorForPosition(local);
    if (!at.atBlockStart() && local.x() < Box().cursorRect(at).left())
        at.movePosition(QTextCursor::PreviousCharacter);
    return Box().textOffset(at.position());
}

void WrappingTextBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    QTextCursor cursor(Box().document());
    cursor.setPosition(Box().documentPosition(endIndex));
    Box().setTextCursor(cursor);
    Box().ensureCursorVisible();
    cursor.setPosition(Box().documentPosition(startIndex));
    Box().setTextCursor(cursor);
    Box().ensureCursorVisible();
}

QString WrappingTextBoxAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    // Plain text: one run without attributes.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void WrappingTextBoxAccessible::Select(int anchorOffset, int positionOffset)
{
    QTextCursor cursor(Box().document());
    cursor.setPosition(Box().documentPosition(anchorOffset));
    cursor.setPosition(Box().documentPosition(positionOffset), QTextCursor::KeepAnchor);
    Box().setTextCursor(cursor);
}

}  // namespace detail
