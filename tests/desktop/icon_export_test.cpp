// The program's icon written out for the desktop's icon theme and for a Windows resource
// script, read back with the toolkit's own image readers.
#include "framework/icon_export.h"
#include "framework/resources.h"
#include "tests/desktop/desktop_facts.h"

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kIconId = 128;

class ExportedIcon : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(directory.isValid());
        const IconResource* icon = AfxFindIcon(kIconId);
        ASSERT_NE(icon, nullptr);
        for (const IconImage& image : icon->images)
            images.emplace_back(QImage(image.xpm.data()).convertToFormat(QImage::Format_ARGB32));
        ASSERT_EQ(images.size(), 2u);
        ASSERT_EQ(images[0].size(), QSize(32, 32));
        ASSERT_EQ(images[1].size(), QSize(16, 16));
    }

    std::string Path(const char* file) const { return directory.filePath(file).toStdString(); }

    static QImage Read(const std::string& path, const char* format = nullptr)
    {
        QImageReader reader(QString::fromStdString(path), format);
        return reader.read().convertToFormat(QImage::Format_ARGB32);
    }

    // Whether `large` is `small` with every pixel made a `factor` x `factor` block.
    static bool IsEnlargedByWholePixels(const QImage& large, const QImage& small, int factor)
    {
        if (large.size() != small.size() * factor)
            return false;
        for (int y = 0; y < large.height(); ++y) {
            for (int x = 0; x < large.width(); ++x) {
                if (large.pixel(x, y) != small.pixel(x / factor, y / factor))
                    return false;
            }
        }
        return true;
    }

    QTemporaryDir directory;
    std::vector<QImage> images;  // 32 x 32, 16 x 16, as the program draws them
};

TEST_F(ExportedIcon, PngsOfTheIconsOwnSizesAreItsImagesPixelForPixel)
{
    ASSERT_TRUE(AfxSaveIconAsPng(kIconId, 32, Path("32.png").c_str()));
    ASSERT_TRUE(AfxSaveIconAsPng(kIconId, 16, Path("16.png").c_str()));
    EXPECT_EQ(Read(Path("32.png")), images[0]);
    EXPECT_EQ(Read(Path("16.png")), images[1]);
    // Transparent corners stay transparent.
    EXPECT_EQ(qAlpha(images[0].pixel(0, 0)), qAlpha(Read(Path("32.png")).pixel(0, 0)));
}

TEST_F(ExportedIcon, LargerPngsEnlargeTheLargestImageThatDividesTheirSizeByWholePixels)
{
    ASSERT_TRUE(AfxSaveIconAsPng(kIconId, 64, Path("64.png").c_str()));
    ASSERT_TRUE(AfxSaveIconAsPng(kIconId, 128, Path("128.png").c_str()));
    ASSERT_TRUE(AfxSaveIconAsPng(kIconId, 48, Path("48.png").c_str()));
    EXPECT_TRUE(IsEnlargedByWholePixels(Read(Path("64.png")), images[0], 2));
    EXPECT_TRUE(IsEnlargedByWholePixels(Read(Path("128.png")), images[0], 4));
    EXPECT_TRUE(IsEnlargedByWholePixels(Read(Path("48.png")), images[1], 3));
}

TEST_F(ExportedIcon, AnUnknownIconOrAnUnwritablePathFails)
{
    EXPECT_FALSE(AfxSaveIconAsPng(kIconId + 1, 32, Path("none.png").c_str()));
    EXPECT_FALSE(AfxSaveIconAsIco(kIconId + 1, Path("none.ico").c_str()));
    EXPECT_FALSE(AfxSaveIconAsIco(kIconId, Path("no/such/folder.ico").c_str()));
}

TEST_F(ExportedIcon, TheIcoFileHoldsBothImagesInSixteenColoursLargestFirst)
{
    const std::string ico = Path("icon.ico");
    ASSERT_TRUE(AfxSaveIconAsIco(kIconId, ico.c_str()));
    QImageReader reader(QString::fromStdString(ico), "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    for (const QImage& expected : images) {
        QImage read = reader.read();
        ASSERT_FALSE(read.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32), expected) << expected.width() << " pixels";
        reader.jumpToNextImage();
    }

    QFile file(QString::fromStdString(ico));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 6 + 2 * 16);
    for (qsizetype entry = 0; entry < 2; ++entry) {
        const char* directoryEntry = bytes.constData() + 6 + 16 * entry;
        EXPECT_EQ(static_cast<unsigned char>(directoryEntry[0]), entry == 0 ? 32 : 16);  // width
        EXPECT_EQ(static_cast<unsigned char>(directoryEntry[2]), 16);                    // colours
        EXPECT_EQ(static_cast<unsigned char>(directoryEntry[6]), 4);                     // bits per pixel
    }
}

}  // namespace
