// The yardstick for a program's start-up: a bare toolkit dialog with a control of the same
// kind for each of the program's, in its template's order, and its region list's labels,
// built straight on the toolkit; Escape ends it, as it ends the programs.
//   bare_dialog rustle|pulsar|twinwave
#include "bench/program_dialogs.h"
#include "framework/window_styles.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <iostream>
#include <string_view>

namespace {

class BareDialog final : public QDialog {
public:
    BareDialog(const char* program, const ProgramDialog& model)
    {
        setWindowTitle(QStringLiteral("Bare (%1)").arg(QLatin1String(program)));
        // The region list at the top, the rest in a row of small controls, like a keyboard,
        // below it.
        int x = 10;
        for (const DialogItemTemplate& item : model.dialog.items) {
            const std::string_view kind = item.windowClass;
            const QString caption = QString::fromUtf8(item.caption);
            if (kind == "COMBOBOX") {
                auto* regions = new QComboBox(this);
                regions->setEditable((item.style & CBS_TYPEMASK) == CBS_DROPDOWN);
                for (const DialogInitRecord& label : model.regionLabels)
                    regions->addItem(QString::fromUtf8(label.text));
                regions->setGeometry(10, 10, 200, regions->sizeHint().height());
                continue;
            }
            QWidget* control = nullptr;
            if (kind == "EDIT" && (item.style & ES_MULTILINE) != 0)
                control = new QPlainTextEdit(this);
            else if (kind == "EDIT")
                control = new QLineEdit(QStringLiteral("0"), this);
            else if (kind == "STATIC")
                control = new QLabel(caption, this);
            else if ((item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                control = new QRadioButton(caption, this);
            else
                control = new QPushButton(caption, this);
            control->setGeometry(x % 560, 50 + 40 * (x / 560), 16, 30);
            x += 20;
        }
        setFixedSize(580, 60 + 40 * (x / 560 + 1));
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<ProgramDialog> model = argc == 2 ? FindProgramDialog(argv[1]) : std::nullopt;
    if (!model) {
        std::cerr << "usage: bare_dialog rustle|pulsar|twinwave\n";
        return 2;
    }
    QApplication application(argc, argv);
    BareDialog dialog(argv[1], *model);
    dialog.exec();
    return 0;
}
