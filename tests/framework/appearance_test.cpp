// How a dialog looks: its layout in dialog units of its font, its icons, and the icon it
// paints while minimised.
#include "framework/qt/dialog_units.h"
#include "framework/qt/icon_export.h"
#include "framework/qt/icon_image.h"
#include "framework/qt/modeless_dialog.h"
#include "shell/minimised_icon.h"
#include "tests/framework/noise_dialog.h"

#include <QDir>
#include <QFontInfo>
#include <QIcon>
#include <QPainter>

#include <vector>

namespace {

TEST(DialogUnits, TheHorizontalBaseIsTheAverageLetterWidthRoundedAndPositionAndSizeConvertEachOnItsOwn)
{
    EXPECT_EQ(BaseUnitsFromFont(369, 13), (DialogBaseUnits{7, 13}));  // 7.10
    EXPECT_EQ(BaseUnitsFromFont(363, 13), (DialogBaseUnits{7, 13}));  // 6.98
    EXPECT_EQ(BaseUnitsFromFont(337, 12), (DialogBaseUnits{6, 12}));  // 6.48
    // Converting the right edge instead of the width would give 27 - 14 = 13 pixels.
    EXPECT_EQ(DialogRectToPixels({9, 36, 9, 9}, {6, 12}), (CRect{14, 54, 28, 68}));
}

using DialogLayout = ShownNoiseDialog;

TEST_F(DialogLayout, TheFontFallsBackToTheMetricCompatibleGothicWhoseUnitsPlaceTheControls)
{
    EXPECT_EQ(QFontInfo(dialog.GetSafeHwnd()->font()).family(), "IPAPGothic");
    // At 9 points its letters average 7 pixels across; its height is 13. Halves round up.
    EXPECT_EQ(GetDialogBaseUnits(dialog), (DialogBaseUnits{7, 13}));
    EXPECT_EQ(dialog.GetDlgItem(ids.budget)->geometry(), QRect(194, 10, 21, 20));        // 111, 6, 12, 12
    EXPECT_EQ(dialog.GetDlgItem(ids.firstLength)->geometry(), QRect(16, 59, 16, 15));    // 9, 36, 9, 9
    EXPECT_EQ(dialog.GetDlgItem(ids.output)->geometry(), QRect(11, 107, 205, 49));       // 6, 66, 117, 30
    EXPECT_EQ(dialog.GetDlgItem(NoiseDialog::kSounds[0])->geometry(), QRect(47, 78, 26, 20));  // 27, 48, 15, 12
    // The client area is exactly the template's 129 x 103 units.
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, (CRect{0, 0, 226, 167}));
}

// A paint context over a white image.
class ImageDC : public CDC {
public:
    ImageDC(int width, int height) : image(width, height, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        painter_.begin(&image);
        hdc_ = &painter_;
    }

    QImage image;

private:
    QPainter painter_;
};

using WindowIcons = ShownNoiseDialog;

TEST_F(WindowIcons, TheWindowShowsItsIconAtBothSizesAndWithoutAnEntryErasesUnderTheIcon)
{
    const HICON icon = CWinApp().LoadIcon(IDI_COMPOSER);
    dialog.SetIcon(icon, TRUE);
    const QList<QSize> sizes = dialog.GetSafeHwnd()->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));

    ImageDC dc(10, 10);
    dc.DrawIcon(0, 0, icon);
    EXPECT_EQ(dialog.SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc())), 1);
    EXPECT_EQ(dc.image.pixel(9, 9), dialog.GetSafeHwnd()->palette().window().color().rgb());
}

// Centred with the odd pixel dropped toward zero: (101 - 32 + 1) / 2 = 35, (0 - 32 + 1) / 2
// = -15. Drawn there at its standard size, the program's 32-pixel picture, and nothing else.
TEST(MinimisedIcon, TheIconIsDrawnCentredAtItsStandardSizeAndNothingElse)
{
    AfxSetResourceHandle(rustle::kComposer.resources.Table());
    const HICON icon = CWinApp().LoadIcon(IDI_COMPOSER);
    const QImage picture(QStringLiteral(":/rustle/%1/icon-32.xpm").arg(IDI_COMPOSER));
    ASSERT_EQ(picture.size(), QSize(32, 32));
    for (const auto& [client, origin] : {std::pair{CRect{0, 0, 101, 40}, QPoint(35, 4)}, {CRect{}, QPoint(-15, -15)}}) {
        ImageDC dc(120, 50);
        PaintMinimisedIcon(dc, client, {32, 32}, icon);
        QImage expected(dc.image.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(origin, picture);
        EXPECT_EQ(dc.image, expected) << "client " << client.Width() << " x " << client.Height();
    }
}

// The icon theme's sizes, written out for the desktop: the icon's own 16 and 32 pixel
// pictures, and the larger sizes enlarged by whole pixels from the largest picture whose
// size divides theirs (48 from 16, 64 and 128 from 32), each pixel a square of its colour.
// An icon the program does not have, or a file that cannot be written, gives FALSE.
TEST(IconFiles, EachSizeIsAPictureOfTheIconOrOneEnlargedByWholePixels)
{
    AfxSetResourceHandle(rustle::kComposer.resources.Table());
    const QString folder = QDir::tempPath() + "/icon-files-" + QString::number(QCoreApplication::applicationPid());
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto picture = [](int size) {
        return QImage(QStringLiteral(":/rustle/%1/icon-%2.xpm").arg(IDI_COMPOSER).arg(size)).convertToFormat(QImage::Format_ARGB32);
    };
    const auto enlarged = [](const QImage& small, int factor) {
        QImage large(small.size() * factor, QImage::Format_ARGB32);
        for (int y = 0; y < large.height(); ++y)
            for (int x = 0; x < large.width(); ++x)
                large.setPixel(x, y, small.pixel(x / factor, y / factor));
        return large;
    };
    const std::pair<int, QImage> sizes[] = {{16, picture(16)}, {32, picture(32)}, {48, enlarged(picture(16), 3)},
                                            {64, enlarged(picture(32), 2)}, {128, enlarged(picture(32), 4)}};
    for (const auto& [size, expected] : sizes) {
        const QString file = folder + "/" + QString::number(size) + ".png";
        ASSERT_TRUE(AfxSaveIconAsPng(IDI_COMPOSER, size, file.toUtf8().constData())) << size;
        EXPECT_EQ(QImage(file).convertToFormat(QImage::Format_ARGB32), expected) << size << " pixels";
    }
    EXPECT_FALSE(AfxSaveIconAsPng(IDI_COMPOSER + 1, 32, (folder + "/none.png").toUtf8().constData()));
    EXPECT_FALSE(AfxSaveIconAsPng(IDI_COMPOSER, 32, (folder + "/no/such/folder/icon.png").toUtf8().constData()));
    EXPECT_FALSE(AfxSaveIconAsPng(IDI_COMPOSER, 32, nullptr));
    EXPECT_EQ(CWinApp().LoadIcon(IDI_COMPOSER + 1), nullptr);
    QDir(folder).removeRecursively();
}

// Whatever order the pictures come in, a size is enlarged from the largest that divides it;
// a size that none divides has no picture.
TEST(IconFiles, TheLargestPictureThatDividesTheSizeIsEnlargedWhateverTheirOrder)
{
    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(Qt::red);
    QImage large(32, 32, QImage::Format_ARGB32);
    large.fill(Qt::blue);
    for (const std::vector<QImage>& images : {std::vector{small, large}, std::vector{large, small}}) {
        EXPECT_EQ(detail::IconImageOfSize(images, 64).pixel(63, 63), QColor(Qt::blue).rgba());
        EXPECT_EQ(detail::IconImageOfSize(images, 48).pixel(47, 47), QColor(Qt::red).rgba());
        EXPECT_TRUE(detail::IconImageOfSize(images, 40).isNull());
    }
}

}  // namespace
