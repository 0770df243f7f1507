#include "framework/icon_export.h"

#include "framework/qt/icon_image.h"
#include "framework/qt/qt_text.h"
#include "framework/resources.h"

#include <QByteArray>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr int kIconDirSize = 6;
constexpr int kIconDirEntrySize = 16;
constexpr int kBitmapInfoHeaderSize = 40;
constexpr int kPaletteColours = 16;

void PutU8(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
}

void PutU16(QByteArray& out, int value)
{
    PutU8(out, value);
    PutU8(out, value >> 8);
}

void PutU32(QByteArray& out, std::uint32_t value)
{
    PutU16(out, static_cast<int>(value & 0xFFFFu));
    PutU16(out, static_cast<int>(value >> 16));
}

// The colour a pixel is stored as: a transparent one is black, with its mask bit set.
QRgb StoredColour(QRgb pixel)
{
    return qAlpha(pixel) == 0 ? qRgb(0, 0, 0) : (pixel | 0xFF000000u);
}

// Bytes of one bitmap row of `bits` bits per pixel, padded to whole 32-bit words.
int RowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

// One icon image as the file stores it: a bitmap header with twice the height (colour
// bits and mask), the palette, 4-bit colour rows and 1-bit mask rows, both bottom up.
std::optional<QByteArray> IconBitmap(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRgb> palette;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = StoredColour(image.pixel(x, y));
            if (std::ranges::find(palette, colour) == palette.end())
                palette.push_back(colour);
        }
    }
    if (palette.size() > kPaletteColours)
        return std::nullopt;
    palette.resize(kPaletteColours, qRgb(0, 0, 0));

    const int width = image.width();
    const int height = image.height();
    const int colourRow = RowBytes(width, 4);
    const int maskRow = RowBytes(width, 1);
    QByteArray out;
    PutU32(out, kBitmapInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(2 * height));
    PutU16(out, 1);  // planes
    PutU16(out, 4);  // bits per pixel
    PutU32(out, 0);  // no compression
    PutU32(out, static_cast<std::uint32_t>((colourRow + maskRow) * height));
    for (int unused = 0; unused < 4; ++unused)
        PutU32(out, 0);  // resolution and colour counts: the defaults
    for (const QRgb colour : palette) {
        PutU8(out, qBlue(colour));
        PutU8(out, qGreen(colour));
        PutU8(out, qRed(colour));
        PutU8(out, 0);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb colour = StoredColour(image.pixel(x, y));
            const auto index = static_cast<int>(std::ranges::find(palette, colour) - palette.begin());
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

bool WriteFile(const char* path, const QByteArray& bytes)
{
    QFile file(detail::ToQString(path != nullptr ? path : ""));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace

BOOL AfxSaveIconAsPng(int id, int size, const char* path)
{
    const IconResource* icon = AfxFindIcon(id);
    if (icon == nullptr)
        return FALSE;
    const QImage image = detail::IconImageOfSize(*icon, size);
    return !image.isNull() && image.save(detail::ToQString(path != nullptr ? path : ""), "PNG") ? TRUE : FALSE;
}

BOOL AfxSaveIconAsIco(int id, const char* path)
{
    const IconResource* icon = AfxFindIcon(id);
    if (icon == nullptr)
        return FALSE;
    std::vector<QImage> images;
    for (const IconImage& image : icon->images)
        images.emplace_back(image.xpm.data());
    std::ranges::sort(images, [](const QImage& a, const QImage& b) { return a.width() > b.width(); });

    QByteArray header;
    QByteArray bitmaps;
    PutU16(header, 0);  // reserved
    PutU16(header, 1);  // an icon, not a cursor
    PutU16(header, static_cast<int>(images.size()));
    const auto firstOffset = static_cast<int>(kIconDirSize + kIconDirEntrySize * images.size());
    for (const QImage& image : images) {
        const std::optional<QByteArray> bitmap = IconBitmap(image);
        if (!bitmap)
            return FALSE;
        PutU8(header, image.width() % 256);  // 0 stands for 256
        PutU8(header, image.height() % 256);
        PutU8(header, kPaletteColours);
        PutU8(header, 0);
        PutU16(header, 1);  // planes
        PutU16(header, 4);  // bits per pixel
        PutU32(header, static_cast<std::uint32_t>(bitmap->size()));
        PutU32(header, static_cast<std::uint32_t>(firstOffset + bitmaps.size()));
        bitmaps.append(*bitmap);
    }
    return WriteFile(path, header + bitmaps) ? TRUE : FALSE;
}
