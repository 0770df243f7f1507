#include "tests/programs/program_dialog.h"

#include "replay/script.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <sstream>

void ProgramDialog::SetUp()
{
    dialog = program.open(state);
    ASSERT_TRUE(ShowActive(*dialog));
    driver = std::make_unique<ComposerDialogDriver>(*dialog, program.ids);
}

std::string ProgramDialog::Run(const std::string& actions)
{
    std::istringstream in(actions);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunScript(in, out, err, *driver), kScriptOk) << err.str();
    return out.str();
}

std::vector<std::string> ProgramDialog::Snapshot() const
{
    std::vector<std::string> controls;
    for (QObject* child : dialog->GetSafeHwnd()->children()) {
        if (const auto* list = qobject_cast<const QComboBox*>(child))
            controls.push_back("list " + std::to_string(list->currentIndex()) + " " + list->currentText().toStdString());
        else if (const auto* box = qobject_cast<const QLineEdit*>(child))
            controls.push_back("box " + box->text().toStdString());
        else if (auto* output = qobject_cast<QPlainTextEdit*>(child))
            controls.push_back("output " + AccessibleValue(output).toStdString());
        else if (const auto* radio = qobject_cast<const QRadioButton*>(child))
            controls.push_back(radio->isChecked() ? "radio on" : "radio off");
        else if (const auto* button = qobject_cast<const QPushButton*>(child))
            controls.push_back("button " + button->text().toStdString() + (button->isEnabled() ? "" : " disabled"));
        else if (const auto* label = qobject_cast<const QLabel*>(child))
            controls.push_back("label " + label->text().toStdString());
    }
    return controls;
}

OtherDialog::OtherDialog() : dialog(UnderTest().open(state))
{
    EXPECT_TRUE(ShowActive(*dialog));
    driver = std::make_unique<ComposerDialogDriver>(*dialog, UnderTest().ids);
}
