// The dialog at the screen scale the environment sets (QT_SCALE_FACTOR, 1 when unset): the
// same layout in logical pixels, drawn at the scale, controls apart. With SCREENSHOT_DIR set
// the dialog is saved there as <program>-<scale>x.png.
#include "framework/cwinapp.h"
#include "tests/desktop/desktop_facts.h"
#include "tests/support/widget_driver.h"

#include <QAbstractButton>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

double ScaleFromEnvironment()
{
    bool isNumber = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&isNumber);
    return isNumber ? scale : 1.0;
}

// A rectangle of logical pixels as the device pixels it covers.
QRect DevicePixels(const QRect& logical, double scale)
{
    return QRectF(logical.x() * scale, logical.y() * scale, logical.width() * scale, logical.height() * scale)
        .toAlignedRect();
}

// Where a control can draw: a label no further than its text reaches, any other control
// all over its rectangle.
QRect DrawnArea(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return {label->geometry().topLeft(), label->fontMetrics().boundingRect(label->text()).size()};
    return control->geometry();
}

// Of the numbers 0..largest that fit a right-aligned box `width` logical pixels wide, the
// widest: the one reaching furthest left, and of those the one inked furthest right. A box
// has a 1-pixel border; a number ends where the border begins (its last digit's side
// bearing keeps it off the border) and has a pixel of background to its left.
QString WidestNumberFitting(int largest, int width, const QFontMetricsF& metrics)
{
    const double room = width - 2 - 1;
    QString widest;
    std::pair<double, double> widestExtent{-1, -1};
    for (int number = 0; number <= largest; ++number) {
        const QString text = QString::number(number);
        const double reach = metrics.horizontalAdvance(text) - metrics.leftBearing(text.front());
        const std::pair extent{reach, reach - metrics.rightBearing(text.back())};
        if (reach <= room && extent > widestExtent) {
            widest = text;
            widestExtent = extent;
        }
    }
    return widest;
}

// `box` drawn at the screen's scale empty and showing a text, and the device pixels where
// the two differ: the ink of the text.
struct Ink {
    QImage empty;
    QImage drawn;
    QRect where;
};

Ink InkOf(QLineEdit& box, const QString& text)
{
    Ink ink;
    box.setText(QString());
    ink.empty = box.grab().toImage();
    box.setText(text);
    ink.drawn = box.grab().toImage();
    for (int y = 0; y < ink.drawn.height(); ++y) {
        for (int x = 0; x < ink.drawn.width(); ++x) {
            if (ink.drawn.pixel(x, y) != ink.empty.pixel(x, y))
                ink.where |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// Whether the text lies inside the box's frame: on the box's plain background (the colour
// of the middle of the box drawn empty), with a column of it left of the text, where a
// right-aligned number is cut when it does not fit.
bool InsideTheFrame(const Ink& ink)
{
    const QColor background = ink.empty.pixelColor(ink.empty.rect().center());
    if (ink.where.isEmpty() || ink.where.left() < 1)
        return false;
    for (int y = ink.where.top(); y <= ink.where.bottom(); ++y) {
        for (int x = ink.where.left() - 1; x <= ink.where.right(); ++x) {
            if (ink.empty.pixelColor(x, y) != background)
                return false;
        }
        if (ink.drawn.pixelColor(ink.where.left() - 1, y) != background)
            return false;
    }
    return true;
}

class ScreenScale : public testing::Test {
protected:
    void SetUp() override
    {
        dialog = facts.open(state);
        ASSERT_TRUE(ShowActive(*dialog));
        window = dialog->GetSafeHwnd();
        shot = window->grab();
        image = shot.toImage();
        if (const QString directory = qEnvironmentVariable("SCREENSHOT_DIR"); !directory.isEmpty()) {
            const QString file = QString::fromStdString(facts.name) + "-" + QString::number(scale) + "x.png";
            EXPECT_TRUE(QDir().mkpath(directory) && shot.save(QDir(directory).filePath(file)));
        }
    }

    QList<QWidget*> Controls() const { return window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly); }

    const DesktopFacts& facts = UnderTest();
    const double scale = ScaleFromEnvironment();
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    std::unique_ptr<CDialog> dialog;
    QWidget* window = nullptr;
    QPixmap shot;
    QImage image;
};

TEST_F(ScreenScale, TheDialogKeepsItsLayoutInLogicalPixels)
{
    // The dialog font's base units at 1x: every rectangle converts to the same logical
    // pixels at any scale, so the layout only grows, it never shifts.
    EXPECT_EQ(dialog->GetDialogBaseUnits(), (DialogBaseUnits{7, 13}));
    EXPECT_EQ(window->devicePixelRatioF(), scale);
    EXPECT_EQ(shot.devicePixelRatio(), scale);
    EXPECT_EQ(shot.size(), DevicePixels(window->rect(), scale).size());
}

// Dialog units convert a control's position and size each on its own, so neighbours may
// share a seam one logical pixel wide; anything more would cover a part of a control.
TEST_F(ScreenScale, NoControlCoversAnotherInDevicePixels)
{
    const QList<QWidget*> controls = Controls();
    const int seam = static_cast<int>(std::ceil(scale));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect a = DevicePixels(DrawnArea(controls[i]), scale);
        EXPECT_TRUE(DevicePixels(window->rect(), scale).contains(a)) << "control " << i << " leaves the dialog";
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QRect shared = a.intersected(DevicePixels(DrawnArea(controls[j]), scale));
            EXPECT_TRUE(shared.isEmpty() || std::min(shared.width(), shared.height()) <= seam)
                << "controls " << i << " and " << j << " in template order share " << shared.width() << " x "
                << shared.height() << " device pixels";
        }
    }
}

TEST_F(ScreenScale, CaptionsFitTheirButtons)
{
    for (const QAbstractButton* button : window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->text().isEmpty())
            continue;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width())
            << button->text().toStdString();
        EXPECT_LE(button->fontMetrics().height(), button->height()) << button->text().toStdString();
    }
}

// Neighbouring keys and buttons of one row are drawn apart: the middle of the gap between
// them shows the dialog's background, and each of them draws something of its own.
TEST_F(ScreenScale, NeighbouringButtonsAreDrawnApartAtThisScale)
{
    QList<QPushButton*> buttons = window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    std::ranges::sort(buttons, {}, [](const QWidget* button) { return std::pair(button->y(), button->x()); });
    const QColor background = window->palette().color(QPalette::Window);
    const auto devicePixel = [this](double logical) { return static_cast<int>(std::floor(logical * scale)); };
    int gaps = 0;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const QRect own = DevicePixels(buttons[i]->geometry(), scale);
        const int middleRow = own.center().y();
        bool drawn = false;
        for (int x = own.left(); x <= own.right() && !drawn; ++x)
            drawn = image.pixelColor(x, middleRow) != background;
        EXPECT_TRUE(drawn) << "nothing drawn for " << buttons[i]->text().toStdString() << " at x " << buttons[i]->x();
        if (i + 1 == buttons.size() || buttons[i + 1]->y() != buttons[i]->y())
            continue;
        const QRect left = buttons[i]->geometry();
        const QRect right = buttons[i + 1]->geometry();
        const double gapMiddle = (left.x() + left.width() + right.x()) / 2.0;
        const int row = devicePixel(left.center().y() + 0.5);
        EXPECT_EQ(image.pixelColor(devicePixel(gapMiddle), row), background)
            << "between the buttons at x " << left.x() << " and " << right.x();
        ++gaps;
    }
    EXPECT_GT(gaps, 0);
}

// A number box shows whole the widest number it comes to hold, at its width from the
// template. Where the dialog font makes its largest numbers wider than the box (the noise
// composer's count of three digits, a count of four, a total of five), the widest that fits.
TEST_F(ScreenScale, NumberBoxesShowTheirWidestNumberWhole)
{
    ASSERT_FALSE(facts.largestNumbers.empty());
    for (const auto& [id, largest] : facts.largestNumbers) {
        auto* box = qobject_cast<QLineEdit*>(dialog->GetDlgItem(id));
        ASSERT_NE(box, nullptr) << "number box " << id;
        const QString widest = WidestNumberFitting(largest, box->width(), QFontMetricsF(box->font()));
        ASSERT_FALSE(widest.isEmpty()) << "number box " << id << " fits no number";
        const QString shown = box->text();
        const Ink inBox = InkOf(*box, widest);
        // The same box wide enough for any number draws all of it.
        const QSize size = box->size();
        box->resize(size.width() + 100, size.height());
        const Ink inWideBox = InkOf(*box, widest);
        box->resize(size);
        box->setText(shown);
        EXPECT_TRUE(InsideTheFrame(inBox)) << widest.toStdString() << " in number box " << id << " ("
                                           << size.width() << " logical pixels wide) is drawn at device pixels "
                                           << inBox.where.left() << " to " << inBox.where.right() << " of "
                                           << inBox.drawn.width();
        // A digit hidden whole beyond the frame leaves background at the left all the same. A
        // pixel either way is the text placed a logical pixel apart in the two boxes, drawn
        // over other device pixels at 1.5 times.
        EXPECT_LE(std::abs(inBox.where.width() - inWideBox.where.width()), 1)
            << widest.toStdString() << " in number box " << id << " shows " << inBox.where.width() << " of the "
            << inWideBox.where.width() << " device pixels of its ink";
    }
}

}  // namespace
