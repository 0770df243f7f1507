// The monkey's dialog on the toolkit: a modeless dialog on the off-screen platform, keys
// through the toolkit's test events.
#include "framework/cwinapp.h"
#include "tests/monkey/monkey_dialog.h"
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/widget_driver.h"

#include <QClipboard>
#include <QComboBox>

#include <gtest/gtest.h>

#include <array>

namespace {

using reference::KeyPress;

constexpr std::array<Qt::Key, 14> kQtKeys = {
    Qt::Key_Tab, Qt::Key_Tab,  Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_F4,     Qt::Key_Up,
    Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,  Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown};

class QtMonkeyDialog final : public MonkeyDialog {
public:
    QtMonkeyDialog(const ProgramUnderTest& program, ComposerState& state)
        : ids_(program.program().ids), dialog_(program.open(state)), driver_(*dialog_, ids_)
    {
    }

    bool Show() { return ShowActive(*dialog_); }

    ComposerDriver& Driver() override { return driver_; }

    void Press(KeyPress press) override
    {
        if (press.key == KeyPress::Character)
            PressKey(static_cast<Qt::Key>(QChar::fromLatin1(press.character).toUpper().unicode()));
        else
            PressKey(kQtKeys[press.key], press.key == KeyPress::ShiftTab ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void PressPaste(const std::string& text) override
    {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        PressKey(Qt::Key_V, Qt::ControlModifier);
    }

    void Focus(int id) override { FocusControl(*dialog_, id); }

    // Control ids run from 1000 to below 1100.
    int FocusedControl() const override
    {
        for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr; widget = widget->parentWidget()) {
            for (int id = 1000; id < 1100; ++id) {
                if (widget == dialog_->GetDlgItem(id))
                    return id;
            }
        }
        return 0;
    }

    std::vector<int> FocusableControls() const override
    {
        std::vector<int> focusable;
        for (int id = 1000; id < 1100; ++id) {
            if (const QWidget* control = dialog_->GetDlgItem(id); control != nullptr && control->focusPolicy() != Qt::NoFocus)
                focusable.push_back(id);
        }
        return focusable;
    }

    reference::RegionListKeys RegionList() const override
    {
        const auto* list = ControlWidget<QComboBox>(*dialog_, ids_.regionList);
        return {list->isEditable(), list->maxVisibleItems()};
    }

private:
    CWinApp app_;  // the dialog loads its icon through the application
    const ComposerControlIds& ids_;
    const std::unique_ptr<CDialog> dialog_;
    ComposerDialogDriver driver_;
};

}  // namespace

std::unique_ptr<MonkeyDialog> OpenMonkeyDialog(const ProgramUnderTest& program, ComposerState& state)
{
    auto dialog = std::make_unique<QtMonkeyDialog>(program, state);
    if (!dialog->Show()) {
        ADD_FAILURE() << "the dialog did not open";
        return nullptr;
    }
    return dialog;
}
