#include "tests/support/composer_dialog_driver.h"

#include "tests/support/widget_driver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

int ComposerDialogDriver::RegionCount() const
{
    const auto* list = ControlWidget<QComboBox>(dialog_, ids_.regionList);
    return list != nullptr ? list->count() : 0;
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

int ComposerDialogDriver::Number(int id) const
{
    const auto* box = ControlWidget<QLineEdit>(dialog_, id);
    EXPECT_NE(box, nullptr) << "no number box " << id;
    if (box == nullptr)
        return 0;
    bool isNumber = false;
    const int value = box->text().toInt(&isNumber);
    EXPECT_TRUE(isNumber) << "box " << id << " holds '" << box->text().toStdString() << "'";
    return value;
}

int ComposerDialogDriver::CheckedLength() const
{
    int checked = -1;
    for (int i = 0; i < 8; ++i) {
        const auto* radio = ControlWidget<QRadioButton>(dialog_, ids_.firstLength + i);
        EXPECT_NE(radio, nullptr) << "no radio button " << ids_.firstLength + i;
        if (radio != nullptr && radio->isChecked()) {
            EXPECT_EQ(checked, -1) << "two radio buttons checked";
            checked = i;
        }
    }
    return checked;
}

std::string ComposerDialogDriver::Output() const
{
    auto* box = ControlWidget<QPlainTextEdit>(dialog_, ids_.output);
    EXPECT_NE(box, nullptr) << "no output box";
    return box != nullptr ? box->toPlainText().toStdString() : std::string();
}

std::string ComposerDialogDriver::Show() const
{
    ComposerFields shown;
    shown.byteCount = Number(ids_.count);
    shown.byteBudget = Number(ids_.budget);
    for (std::size_t i = 0; i < shown.durations.size(); ++i)
        shown.durations[i] = Number(ids_.firstDuration + static_cast<int>(i));
    shown.durationTotal = Number(ids_.total);
    shown.lengthIndex = CheckedLength();
    const auto* list = ControlWidget<QComboBox>(dialog_, ids_.regionList);
    return FormatShowLine(list != nullptr ? list->currentIndex() : -2, shown, Output());
}
