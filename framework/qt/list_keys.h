#pragma once

#include <optional>

class QComboBox;
class QKeyEvent;
class QString;

// The keys of a region list as the classic system's list takes them, closed or open. The
// arrow keys move one item, Page Up and Page Down a page less one row (a page: the rows the
// open list shows), Home and End to either end, all stopping there. A typed character goes
// to the next item whose label starts with it, ignoring case, round past the last; each
// character looks on its own, however fast they come. A list with a text field leaves
// characters and the keys of the caret (Left, Right, Home, End, the deleting keys) to it.
namespace detail {

// The item `event` takes `list` to from item `item` (it may stay: a character no label
// starts with), or nothing when the key is none of the list's.
std::optional<int> ItemAfterKey(const QComboBox& list, int item, const QKeyEvent& event);

// The item after `item` whose label starts with `text`, ignoring case, round past the last
// (`item` itself when only it does), or nothing when none does.
std::optional<int> ItemStartingWith(const QComboBox& list, int item, const QString& text);

// Whether `event` is a character typed (Shift allowed, no other modifier).
bool IsTypedCharacter(const QKeyEvent& event);
// Whether `event` is a key a text field keeps for its caret or for deleting.
bool IsCaretKey(const QKeyEvent& event);

}  // namespace detail
