// The programs at home on the desktop: names for assistive technology and tooltips, and the
// dialog at the screen scale the environment sets (QT_SCALE_FACTOR, run again at 1.5 and 2).
// With SCREENSHOT_DIR set, each dialog is saved there as <program>-<scale>x.png.
#include "core/duration_groups.h"
#include "tests/programs/program_dialog.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <utility>

namespace {

// Every control has a name of its own that says more than a caption like "Radio1" or "x"
// (only the keys that play nothing share theirs); a push button shows it as its tooltip
// when the pointer rests on it.
TEST_P(ProgramDialog, ControlsAreNamedByWhatTheyShowOrDoAndButtonsSayItOnHover)
{
    const auto name = [](QWidget* control) {
        // A list is announced by its selected item on some platforms; its description says
        // what it is for.
        const auto text = qobject_cast<QComboBox*>(control) != nullptr ? QAccessible::Description : QAccessible::Name;
        return QAccessible::queryAccessibleInterface(control)->text(text).toStdString();
    };
    for (const auto& [id, expected] : facts.names) {
        QWidget* control = Control<QWidget>(id);
        EXPECT_EQ(name(control), expected) << "control " << id;
        if (qobject_cast<QPushButton*>(control) != nullptr) {
            QTest::mouseMove(control);
            EXPECT_TRUE(QTest::qWaitFor(
                [&tip = expected] { return QToolTip::isVisible() && QToolTip::text().toStdString() == tip; }))
                << "button " << id << " shows the tooltip '" << QToolTip::text().toStdString() << "'";
        }
    }
    std::set<std::string> names;
    for (QWidget* control : dialog->GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(!name(control).empty() && name(control) != "Radio1" && name(control) != "x") << name(control);
        EXPECT_TRUE(names.insert(name(control)).second || name(control) == "no note") << name(control) << " twice";
    }
}

// Of the numbers 0..largest that fit a right-aligned box `width` logical pixels wide
// (inside its 1-pixel border and a pixel of background), the widest: the one reaching
// furthest left, and of those the one inked furthest right.
QString WidestNumberFitting(int largest, int width, const QFontMetricsF& metrics)
{
    QString widest;
    std::pair<double, double> widestExtent{-1, -1};
    for (int number = 0; number <= largest; ++number) {
        const QString text = QString::number(number);
        const double reach = metrics.horizontalAdvance(text) - metrics.leftBearing(text.front());
        const std::pair extent{reach, reach - metrics.rightBearing(text.back())};
        if (reach <= width - 3 && extent > widestExtent) {
            widest = text;
            widestExtent = extent;
        }
    }
    return widest;
}

// The device pixels where `box` showing `text` differs from the box empty: the text's ink.
// Empty unless all of it lies on the empty box's plain background with a column of that
// background to its left, which a number cut at the left or drawn on the border lacks.
QRect InkInside(QLineEdit& box, const QString& text)
{
    box.setText(QString());
    const QImage empty = box.grab().toImage();
    box.setText(text);
    const QImage drawn = box.grab().toImage();
    QRect ink;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) != empty.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
        }
    }
    const QRgb background = empty.pixel(empty.rect().center());
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left() - 1; x <= ink.right(); ++x) {
            if (x < 0 || empty.pixel(x, y) != background || (x < ink.left() && drawn.pixel(x, y) != background))
                return {};
        }
    }
    return ink;
}

// The widest numbers that the count, the budget, the last duration box and the total come
// to show, by control id: after the events a full history holds, in the regions with the
// largest budget and the longest lengths. Where keys enter note bytes, an event that
// changes the length takes two bytes, and every one can.
std::array<std::pair<int, int>, 4> LargestNumbers(const Program& program, bool noteBytes)
{
    int budget = 0;
    int longest = 0;
    for (const RegionEntry& region : program.channel.Catalogue()) {
        budget = std::max(budget, region.byteBudget);
        longest = std::max(longest, DurationsOf(region.durationGroup).back());
    }
    const int events = HistoryStack::kCapacity;
    const ComposerControlIds& ids = program.ids;
    return {{{ids.count, (noteBytes ? 2 : 1) * events},
             {ids.budget, budget},
             {ids.firstDuration + kLengthPositions - 1, longest},
             {ids.total, events * longest}}};
}

using ScreenScale = ProgramDialog;

// The dialog keeps its client size from the dialog units of its template and the base
// units of its font (7 x 13 pixels), drawn at the screen's scale; every number box shows
// whole the widest number it comes to hold, as wide as the same box a lot wider shows it.
TEST_P(ScreenScale, TheDialogKeepsItsSizeAndNumberBoxesShowTheirWidestNumberWhole)
{
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
    QWidget* window = dialog->GetSafeHwnd();
    const QPixmap shot = window->grab();
    if (const QString directory = qEnvironmentVariable("SCREENSHOT_DIR"); !directory.isEmpty()) {
        const QString file = QString::fromUtf8(GetParam().program().name) + "-" + scale + "x.png";
        EXPECT_TRUE(QDir().mkpath(directory) && shot.save(QDir(directory).filePath(file)));
    }
    // Dialog units are quarters of the average letter width and eighths of the letter height.
    const auto pixels = [](int units, double per) { return static_cast<int>(std::lround(units * per)); };
    const DialogRect& units = GetParam().dialogTemplate().rect;
    EXPECT_EQ(window->size(), QSize(pixels(units.cx, 7 / 4.0), pixels(units.cy, 13 / 8.0)));
    EXPECT_EQ(shot.size(), window->size() * scale.toDouble());

    for (const auto& [id, largest] : LargestNumbers(GetParam().program(), facts.noteBytes)) {
        auto* box = Control<QLineEdit>(id);
        const QString widest = WidestNumberFitting(largest, box->width(), QFontMetricsF(box->font()));
        ASSERT_FALSE(widest.isEmpty()) << "number box " << id << " fits no number";
        const QRect ink = InkInside(*box, widest);
        const QSize size = box->size();
        box->resize(size.width() + 100, size.height());
        const QRect wideInk = InkInside(*box, widest);
        box->resize(size);
        EXPECT_FALSE(ink.isEmpty()) << widest.toStdString() << " in number box " << id << " leaves its background";
        // A pixel either way is the text drawn a logical pixel apart over other device pixels.
        EXPECT_LE(std::abs(ink.width() - wideInk.width()), 1)
            << widest.toStdString() << " in number box " << id << " shows " << ink.width() << " of "
            << wideInk.width() << " device pixels";
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, ScreenScale, testing::ValuesIn(ProgramsUnderTest()), testing::PrintToStringParamName());

}  // namespace
