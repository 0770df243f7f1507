#include "tests/support/composer_dialog_driver.h"

#include "core/duration_groups.h"
#include "tests/support/show_line.h"
#include "tests/support/widget_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

// The controls are there: the description tests hold every template to its program's ids.
int ComposerDialogDriver::RegionCount() const
{
    return ControlWidget<QComboBox>(dialog_, ids_.regionList)->count();
}

void ComposerDialogDriver::PickRegion(int index)
{
    PickListItem(dialog_, ids_.regionList, index);
}

void ComposerDialogDriver::CheckLength(int position)
{
    ClickControl(dialog_, ids_.firstLength + position);
}

bool ComposerDialogDriver::Click(int controlId)
{
    if (ControlWidget<QPushButton>(dialog_, controlId) == nullptr)
        return false;
    ClickControl(dialog_, controlId);
    return true;
}

// The text on the clipboard, Ctrl+V in the output box; a refusal is the message in the balloon
// beside it.
std::optional<std::string> ComposerDialogDriver::Paste(std::string_view text)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    FocusControl(dialog_, ids_.output);
    PressKey(Qt::Key_V, Qt::ControlModifier);
    return ShownBalloon();
}

std::optional<std::string> ComposerDialogDriver::ShownBalloon() const
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() == Qt::ToolTip)
            return window->windowTitle().toStdString();
    }
    return std::nullopt;
}

int ComposerDialogDriver::Number(int id) const
{
    const QString text = ControlWidget<QLineEdit>(dialog_, id)->text();
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    EXPECT_TRUE(isNumber) << "box " << id << " holds '" << text.toStdString() << "'";
    return value;
}

int ComposerDialogDriver::CheckedLength() const
{
    int checked = -1;
    for (int i = 0; i < kLengthPositions; ++i) {
        if (ControlWidget<QRadioButton>(dialog_, ids_.firstLength + i)->isChecked()) {
            EXPECT_EQ(checked, -1) << "two radio buttons checked";
            checked = i;
        }
    }
    return checked;
}

std::string ComposerDialogDriver::Output() const
{
    return ControlWidget<QPlainTextEdit>(dialog_, ids_.output)->toPlainText().toStdString();
}

std::string ComposerDialogDriver::Show() const
{
    return ShowLine(ids_, ControlWidget<QComboBox>(dialog_, ids_.regionList)->currentIndex(),
                    [this](int id) { return Number(id); }, CheckedLength(), Output());
}
