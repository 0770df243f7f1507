#include "framework/qt/list_keys.h"

#include <QComboBox>
#include <QKeyEvent>

#include <algorithm>

namespace detail {

std::optional<int> ItemStartingWith(const QComboBox& list, int item, const QString& text)
{
    for (int step = 1; step <= list.count(); ++step) {
        const int next = (item + step) % list.count();
        if (list.itemText(next).startsWith(text, Qt::CaseInsensitive))
            return next;
    }
    return std::nullopt;
}

bool IsTypedCharacter(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return (event.modifiers() & commands) == Qt::NoModifier && event.text().size() == 1 && event.text()[0].isPrint();
}

bool IsCaretKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete: return true;
    default: return false;
    }
}

std::optional<int> ItemAfterKey(const QComboBox& list, int item, const QKeyEvent& event)
{
    if (list.count() == 0)
        return std::nullopt;
    const bool field = list.isEditable();
    if (IsTypedCharacter(event))
        return field ? std::nullopt : std::optional(ItemStartingWith(list, item, event.text()).value_or(item));
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    if (field && IsCaretKey(event))
        return std::nullopt;
    const int last = list.count() - 1;
    const int page = std::max(1, list.maxVisibleItems() - 1);
    int to = 0;
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: to = item - 1; break;
    case Qt::Key_Down:
    case Qt::Key_Right: to = item + 1; break;
    case Qt::Key_PageUp: to = item - page; break;
    case Qt::Key_PageDown: to = item + page; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = last; break;
    default: return std::nullopt;
    }
    return std::clamp(to, 0, last);
}

}  // namespace detail
