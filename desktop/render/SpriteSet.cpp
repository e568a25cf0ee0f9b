#include "render/SpriteSet.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr QRgb white = 0xFFFFFFFF;
constexpr int small = 20;
constexpr int large = 40;

QImage cell(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(white);
    return image;
}

// Fills columns x0..x1 on rows y0..y1, both ends included.
void fill(QImage& image, const QColor& colour, int x0, int x1, int y0, int y1)
{
    for (int y = std::max(y0, 0); y <= std::min(y1, image.height() - 1); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = std::max(x0, 0); x <= std::min(x1, image.width() - 1); ++x) {
            row[x] = colour.rgb();
        }
    }
}

QColor darker(const QColor& colour)
{
    return QColor(colour.red() * 3 / 5, colour.green() * 3 / 5, colour.blue() * 3 / 5);
}

// --- Small set, 20 x 20: shapes given cell by cell. ---

// The E-shaped enzyme: a body with two notches that the two units of a substrate fill.
void smallEnzyme(QImage& image, const QColor& colour)
{
    fill(image, colour, 0, 13, 0, 3);
    fill(image, colour, 0, 13, 16, 19);
    fill(image, colour, 0, 7, 4, 8);
    fill(image, colour, 0, 7, 11, 15);
    fill(image, colour, 0, 12, 9, 10);
}

// The enzyme's complement, upper unit (rows 0..8) and lower unit (rows 11..19).
void smallUpperUnit(QImage& image, const QColor& colour)
{
    fill(image, colour, 14, 19, 0, 3);
    fill(image, colour, 8, 19, 4, 8);
}

void smallLowerUnit(QImage& image, const QColor& colour, int right = 19)
{
    fill(image, colour, 8, right, 11, 15);
    fill(image, colour, 14, right, 16, 19);
}

void smallTwoUnits(QImage& image, const QColor& colour)
{
    smallUpperUnit(image, colour);
    fill(image, colour, 13, 19, 9, 10);
    smallLowerUnit(image, colour);
}

// The amylase and its chain unit: another complementary pair, teeth at rows 2..6 and 12..16.
void amylaseEnzyme(QImage& image, const QColor& colour)
{
    fill(image, colour, 0, 13, 0, 1);
    fill(image, colour, 0, 13, 7, 11);
    fill(image, colour, 0, 13, 17, 19);
    fill(image, colour, 0, 7, 2, 6);
    fill(image, colour, 0, 7, 12, 16);
}

void amyloseUnit(QImage& image, const QColor& colour)
{
    fill(image, colour, 14, 19, 0, 1);
    fill(image, colour, 8, 19, 2, 6);
    fill(image, colour, 14, 19, 7, 11);
    fill(image, colour, 8, 19, 12, 16);
    fill(image, colour, 14, 19, 17, 19);
}

void smallMinus(QImage& image, int row)
{
    fill(image, Qt::blue, 14, 17, row, row);
}

void smallPlus(QImage& image, int top)
{
    fill(image, Qt::blue, 14, 18, top + 2, top + 2);
    fill(image, Qt::blue, 16, 16, top, top + 4);
}

// --- Large set, 40 x 40: rounded shapes, drawn without smoothing so that edges stay crisp. ---

// A sugar unit is a hexagon standing on a point, 13 pixels wide on columns 20..32 and 20 rows
// tall. Its left edge on row r of the unit lies `hexagonInset(r)` pixels right of column 20.
int hexagonInset(int r)
{
    const int fromEnd = std::min(r, 19 - r);
    return static_cast<int>(std::lround(6.0 * std::max(0, 5 - fromEnd) / 5.0));
}

// The large enzyme: a rounded block on columns 0..19 with a point in the middle that reaches
// column 25 on rows 19..20, filling the notch between the two units of the molecule it holds.
void largeEnzyme(QImage& image, const QColor& colour)
{
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(darker(colour), 1));
        painter.setBrush(colour);
        painter.drawRoundedRect(QRect(0, 0, 19, 39), 7, 7);
    }
    for (int y = 15; y <= 24; ++y) {
        const int right = 19 + hexagonInset(y < 20 ? y : y - 20);
        fill(image, colour, 19, right, y, y);
        fill(image, darker(colour), right, right, y, y);
    }
}

void hexagon(QImage& image, const QColor& colour, int top)
{
    for (int r = 0; r <= 19; ++r) {
        const int left = 20 + hexagonInset(r);
        const int right = 32 - hexagonInset(r);
        const int y = top + r;
        fill(image, colour, left, right, y, y);
        if (r == 0 || r == 19) {
            fill(image, darker(colour), left, right, y, y);
        } else {
            fill(image, darker(colour), left, left, y, y);
            fill(image, darker(colour), right, right, y, y);
        }
    }
}

void largeTwoUnits(QImage& image, const QColor& colour)
{
    hexagon(image, colour, 0);
    hexagon(image, colour, 20);
}

void largeMinus(QImage& image, int top)
{
    fill(image, Qt::blue, 27, 36, top, top + 3);
}

void largePlus(QImage& image, int top)
{
    fill(image, Qt::blue, 27, 36, top + 3, top + 6);
    fill(image, Qt::blue, 30, 33, top, top + 9);
}

void frame(QImage& image, const QColor& colour, int inset, int thickness)
{
    const int last = image.width() - 1 - inset;
    fill(image, colour, inset, last, inset, inset + thickness - 1);
    fill(image, colour, inset, last, last - thickness + 1, last);
    fill(image, colour, inset, inset + thickness - 1, inset, last);
    fill(image, colour, last - thickness + 1, last, inset, last);
}

// The letters U, D and P, 4 x 5 pixels each, cut out of the by-product's bar.
void udpBar(QImage& image)
{
    const QColor green(0, 127, 0);
    fill(image, green, 32, 39, 20, 39);
    static const char* const letters[3][5] = {
        {"#..#", "#..#", "#..#", "#..#", "####"},
        {"###.", "#..#", "#..#", "#..#", "###."},
        {"###.", "#..#", "###.", "#...", "#..."},
    };
    for (int letter = 0; letter < 3; ++letter) {
        const int top = 22 + 6 * letter;
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 4; ++column) {
                if (letters[letter][row][column] == '#') {
                    fill(image, Qt::white, 34 + column, 34 + column, top + row, top + row);
                }
            }
        }
    }
}

void cloud(QImage& image, const QColor& colour)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRect blobs[] = {{2, 4, 20, 18}, {12, 1, 20, 16}, {20, 8, 18, 18}, {4, 16, 22, 20},
                           {16, 20, 22, 18}, {8, 26, 16, 12}};
    for (const QRect& blob : blobs) {
        painter.drawEllipse(blob);
    }
}

const QColor smallEnzymeColours[4] = {{98, 157, 98}, {129, 129, 129}, {157, 98, 157}, {0, 127, 255}};
const QColor largeEnzymeColours[4] = {{97, 156, 97}, {128, 128, 128}, {156, 97, 156}, {0, 127, 255}};

// Copies a run of pixels. Runs are short (a symbol's width at most) and many: four pixels at a
// time, inline, costs less than a call to the library's copy for each.
inline void copyPixels(QRgb* destination, const QRgb* source, int count)
{
    for (; count >= 4; count -= 4, destination += 4, source += 4) {
        std::memcpy(destination, source, 4 * sizeof(QRgb));
    }
    switch (count) {
    case 3:
        destination[2] = source[2];
        [[fallthrough]];
    case 2:
        destination[1] = source[1];
        [[fallthrough]];
    case 1:
        destination[0] = source[0];
        break;
    default:
        break;
    }
}

} // namespace

SpriteSet::SpriteSet()
{
    // One picture: a white cell of the set's side, painted, then stored as item n.
    const auto make = [this](int item, int side, const auto& paint) {
        QImage image = cell(side);
        paint(image);
        store(item, std::move(image));
    };
    const QColor pink(245, 159, 188);
    const QColor udpGreen(0, 127, 0);

    // Small symbols, 20 x 20.
    make(1, small, [](QImage& i) { smallMinus(i, 6); });
    make(2, small, [](QImage& i) { smallMinus(i, 6), smallMinus(i, 13); });
    make(3, small, [](QImage& i) { smallPlus(i, 4); });
    make(4, small, [](QImage& i) { smallPlus(i, 4), smallPlus(i, 11); });
    make(5, small, [](QImage& i) {
        QPainter painter(&i);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(180, 180, 180));
        painter.drawRoundedRect(QRect(0, 1, 16, 18), 6, 6);
    });
    make(6, small, [](QImage& i) { smallUpperUnit(i, QColor(244, 183, 87)); });
    make(7, small, [&](QImage& i) { smallLowerUnit(i, pink); });
    make(8, small, [](QImage& i) { smallTwoUnits(i, Qt::blue); });
    make(9, small, [](QImage& i) { fill(i, Qt::red, 12, 19, 9, 10); });
    make(10, small, [](QImage& i) { fill(i, QColor(54, 128, 44), 18, 19, 11, 19); });
    make(11, small, [&](QImage& i) { smallLowerUnit(i, pink, 17), fill(i, udpGreen, 18, 19, 11, 19); });
    make(12, small, [](QImage& i) { smallTwoUnits(i, QColor(255, 100, 0)); });
    make(13, small, [](QImage& i) { amyloseUnit(i, QColor(63, 63, 0)); });
    make(14, small, [](QImage& i) { frame(i, Qt::black, 0, 1); });
    make(15, small, [](QImage& i) { frame(i, QColor(255, 100, 0), 1, 1); });
    make(16, small, [](QImage& i) { smallTwoUnits(i, Qt::blue), fill(i, QColor(255, 200, 0), 16, 19, 13, 19); });
    for (int e = 0; e < 3; ++e) {
        make(40 + e, small, [e](QImage& i) { smallEnzyme(i, smallEnzymeColours[e]); });
    }
    make(43, small, [](QImage& i) { amylaseEnzyme(i, smallEnzymeColours[3]); });

    // Large symbols, 40 x 40.
    make(20, large, [](QImage& i) { largeEnzyme(i, largeEnzymeColours[1]); });
    make(21, large, [](QImage& i) { largeMinus(i, 8); });
    make(22, large, [](QImage& i) { largeMinus(i, 8), largeMinus(i, 28); });
    make(23, large, [](QImage& i) { largePlus(i, 5); });
    make(24, large, [](QImage& i) { largePlus(i, 5), largePlus(i, 25); });
    make(25, large, [](QImage& i) { cloud(i, QColor(170, 191, 170)); });
    make(26, large, [](QImage& i) { hexagon(i, QColor(255, 191, 85), 0); });
    make(27, large, [](QImage& i) { hexagon(i, QColor(255, 159, 170), 20); });
    make(28, large, [](QImage& i) { largeTwoUnits(i, Qt::blue); });
    make(29, large, [](QImage& i) {
        fill(i, Qt::red, 30, 31, 19, 20);
        fill(i, QColor(170, 159, 170), 32, 33, 17, 18);
        fill(i, QColor(170, 159, 170), 32, 33, 21, 22);
    });
    make(30, large, [](QImage& i) { udpBar(i); });
    make(31, large, [](QImage& i) { hexagon(i, QColor(255, 159, 170), 20), udpBar(i); });
    make(32, large, [](QImage& i) { largeTwoUnits(i, QColor(255, 100, 0)); });
    make(33, large, [](QImage& i) { largeTwoUnits(i, QColor(63, 63, 0)); });
    make(34, large, [](QImage& i) { frame(i, Qt::black, 0, 2); });
    make(35, large, [](QImage& i) { frame(i, QColor(255, 100, 0), 2, 2); });
    make(36, large, [](QImage& i) { largeTwoUnits(i, Qt::blue), fill(i, QColor(255, 191, 0), 27, 32, 30, 36); });
    for (int e = 0; e < 4; ++e) {
        make(60 + e, large, [e](QImage& i) { largeEnzyme(i, largeEnzymeColours[e]); });
    }
}

SpriteSet::SpriteSet(const SpriteSet& original, int numerator, int denominator)
{
    for (int item = 0; item < itemCount; ++item) {
        const QImage& picture = original.items_[item].picture;
        if (picture.isNull()) {
            continue;
        }
        if (numerator == denominator) {
            items_[item] = original.items_[item];
            continue;
        }
        const auto scaled = [&](int side) {
            return std::max(1,
                            static_cast<int>((static_cast<std::int64_t>(side) * numerator + denominator / 2) /
                                             denominator));
        };
        QImage resized(scaled(picture.width()), scaled(picture.height()), QImage::Format_RGB32);
        // Each target pixel takes the source pixel under its centre.
        for (int y = 0; y < resized.height(); ++y) {
            const int sourceY = std::min(
                picture.height() - 1,
                static_cast<int>((static_cast<std::int64_t>(2 * y + 1) * denominator) / (2 * numerator)));
            const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(sourceY));
            auto* row = reinterpret_cast<QRgb*>(resized.scanLine(y));
            for (int x = 0; x < resized.width(); ++x) {
                const int sourceX = std::min(
                    picture.width() - 1,
                    static_cast<int>((static_cast<std::int64_t>(2 * x + 1) * denominator) / (2 * numerator)));
                row[x] = source[sourceX];
            }
        }
        store(item, std::move(resized));
    }
}

const SpriteSet& SpriteSet::shared()
{
    static const SpriteSet list;
    return list;
}

void SpriteSet::store(int item, QImage picture)
{
    Item& stored = items_[item];
    stored.spans.clear();
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width();) {
            if (row[x] == white) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < picture.width() && row[x] != white) {
                ++x;
            }
            stored.spans.push_back({static_cast<std::int16_t>(y), static_cast<std::int16_t>(start),
                                    static_cast<std::int16_t>(x - start)});
        }
    }
    stored.picture = std::move(picture);
}

bool SpriteSet::hasPicture(int item) const
{
    return item >= 0 && item < itemCount && !items_[item].picture.isNull();
}

const QImage& SpriteSet::picture(int item) const
{
    static const QImage none;
    return item >= 0 && item < itemCount ? items_[item].picture : none;
}

QSize SpriteSet::itemSize(int item) const
{
    return hasPicture(item) ? items_[item].picture.size() : QSize(0, 0);
}

QImage SpriteSet::transparentPicture(int item) const
{
    if (!hasPicture(item)) {
        return {};
    }
    QImage image = items_[item].picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == white) {
                row[x] = 0;
            }
        }
    }
    return image;
}

void SpriteSet::draw(int item, QImage& target, int x, int y) const
{
    if (!hasPicture(item)) {
        return;
    }
    const Item& sprite = items_[item];
    const int width = target.width();
    const int height = target.height();
    if (x >= width || y >= height || x + sprite.picture.width() <= 0 || y + sprite.picture.height() <= 0) {
        return;
    }
    const uchar* sourceBits = sprite.picture.constBits();
    const qsizetype sourceStride = sprite.picture.bytesPerLine();
    uchar* targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    for (const Span& span : sprite.spans) {
        const int row = y + span.row;
        if (row < 0 || row >= height) {
            continue;
        }
        int left = x + span.column;
        int right = left + span.length; // one past the last pixel
        const int skipped = left < 0 ? -left : 0;
        left = std::max(left, 0);
        right = std::min(right, width);
        if (left >= right) {
            continue;
        }
        const auto* source =
            reinterpret_cast<const QRgb*>(sourceBits + span.row * sourceStride) + span.column + skipped;
        auto* destination = reinterpret_cast<QRgb*>(targetBits + row * targetStride) + left;
        copyPixels(destination, source, right - left);
    }
}
