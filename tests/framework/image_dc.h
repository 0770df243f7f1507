#pragma once

#include "framework/cdc.h"

#include <QImage>
#include <QPainter>

#include <string>

// A paint context over a white image, read back as letters: 'w'hite, 'r'ed, 'b'lue, '?'
// for any other colour.
class ImageDC : public CDC {
public:
    ImageDC(int width, int height) : image(width, height, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        painter_.begin(&image);
        hdc_ = &painter_;
    }

    // Pixels `fromX` up to `toX` of row `y`.
    std::string Row(int y, int fromX, int toX) const
    {
        std::string row;
        for (int x = fromX; x < toX; ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
            row += pixel == 0xFFFFFF ? 'w' : pixel == 0xFF0000 ? 'r' : pixel == 0x0000FF ? 'b' : '?';
        }
        return row;
    }

    QImage image;

private:
    QPainter painter_;
};
