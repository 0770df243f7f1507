// The yardstick for a program's start-up: a bare toolkit dialog with as many controls of
// the same kinds as the program's dialog, built straight on the toolkit; Escape ends it, as
// it ends the programs.
//   bare_dialog rustle|pulsar|twinwave
#include "bench/bare_dialog_counts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <iostream>

namespace {

class BareDialog final : public QDialog {
public:
    explicit BareDialog(const ControlCounts& counts)
    {
        setWindowTitle(QStringLiteral("Bare (%1)").arg(QLatin1String(counts.program)));
        auto* regions = new QComboBox(this);
        regions->setEditable(counts.editableList);
        for (int i = 0; i < counts.regions; ++i)
            regions->addItem(QStringLiteral("7A%1-7A%2：地上").arg(i, 2, 10, QLatin1Char('0')).arg(i + 1));
        regions->setGeometry(10, 10, 200, regions->sizeHint().height());
        for (int i = 0; i < kNumberBoxes; ++i)
            new QLineEdit(QStringLiteral("0"), this);
        new QLabel(QStringLiteral("/"), this);
        for (int i = 0; i < kRadioButtons; ++i)
            new QRadioButton(QStringLiteral("Radio1"), this);
        for (int i = 0; i < counts.pushButtons; ++i)
            new QPushButton(i % 2 == 0 ? QStringLiteral("休") : QString(), this);
        new QPlainTextEdit(this);
        // A row of small controls, like a keyboard, below the list.
        int x = 10;
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control == regions)
                continue;
            control->setGeometry(x % 560, 50 + 40 * (x / 560), 16, 30);
            x += 20;
        }
        setFixedSize(580, 60 + 40 * (x / 560 + 1));
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const ControlCounts* counts = argc == 2 ? ControlCountsOf(argv[1]) : nullptr;
    if (counts == nullptr) {
        std::cerr << "usage: bare_dialog rustle|pulsar|twinwave\n";
        return 2;
    }
    QApplication application(argc, argv);
    BareDialog dialog(*counts);
    dialog.exec();
    return 0;
}
