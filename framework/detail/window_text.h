#pragma once

#include <QString>

class QWidget;

namespace detail {

// The text of an edit box: a number box (QLineEdit) or the multi-line output box
// (QPlainTextEdit); empty for any other window.
QString WindowText(const QWidget* window);
// Replaces it. The output box changes only where the new text differs from the old one and
// then shows the end of the text.
void SetWindowText(QWidget* window, const QString& text);

}  // namespace detail
