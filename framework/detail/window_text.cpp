#include "framework/detail/window_text.h"

#include "framework/detail/wrapping_text_box.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace detail {

QString WindowText(const QWidget* window)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(window))
        return line->text();
    if (const auto* wrapping = dynamic_cast<const WrappingTextBox*>(window))
        return wrapping->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(window))
        return box->toPlainText();
    if (const auto* combo = qobject_cast<const QComboBox*>(window))
        return combo->currentText();
    if (const auto* button = qobject_cast<const QAbstractButton*>(window))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(window))
        return label->text();
    return window != nullptr ? window->windowTitle() : QString();
}

void SetWindowText(QWidget* window, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(window)) {
        line->setText(text);
    } else if (auto* wrapping = dynamic_cast<WrappingTextBox*>(window)) {
        wrapping->setText(text);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(window)) {
        box->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(window)) {
        if (combo->isEditable())
            combo->setEditText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(window)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(window)) {
        label->setText(text);
    } else if (window != nullptr) {
        window->setWindowTitle(text);
    }
}

}  // namespace detail
