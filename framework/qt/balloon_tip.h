#pragma once

#include <QString>

class QWidget;

namespace detail {

// A message in a balloon at the lower edge of `beside`, shown as the toolkit shows its
// tooltips, until the next click or key anywhere in the program; it replaces a balloon
// already shown. Its window is named after the message.
void ShowBalloonTip(QWidget& beside, const QString& message);
void HideBalloonTip();

}  // namespace detail
