#pragma once

#include <QString>

class QWidget;

namespace detail {

// A window's text as the platform sees it: an edit box's content, a combo box's text
// field or selected item, a button's or label's caption, a dialog's title.
QString WindowText(const QWidget* window);
// Replaces it; a multi-line edit box then scrolls so that the end of the text shows.
void SetWindowText(QWidget* window, const QString& text);

}  // namespace detail
