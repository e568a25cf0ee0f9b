#include "render/GeneratedPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int iceSide = 256;

// Value noise on a lattice that wraps around the picture, so that the picture tiles.
class WrappingNoise
{
public:
    WrappingNoise(int cells, std::uint32_t seed) : cells_(cells)
    {
        values_.resize(static_cast<std::size_t>(cells * cells));
        std::uint32_t state = seed;
        for (double& value : values_) {
            state = state * 1664525u + 1013904223u;
            value = static_cast<double>(state >> 8) / static_cast<double>(1u << 24);
        }
    }

    // At (x, y) in 0..1 across the picture.
    double at(double x, double y) const
    {
        const double gx = x * cells_;
        const double gy = y * cells_;
        const int x0 = static_cast<int>(std::floor(gx));
        const int y0 = static_cast<int>(std::floor(gy));
        const double fx = smooth(gx - x0);
        const double fy = smooth(gy - y0);
        const double top = mix(value(x0, y0), value(x0 + 1, y0), fx);
        const double bottom = mix(value(x0, y0 + 1), value(x0 + 1, y0 + 1), fx);
        return mix(top, bottom, fy);
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double mix(double a, double b, double t) { return a + (b - a) * t; }
    double value(int x, int y) const
    {
        const int wx = ((x % cells_) + cells_) % cells_;
        const int wy = ((y % cells_) + cells_) % cells_;
        return values_[static_cast<std::size_t>(wy * cells_ + wx)];
    }

    int cells_;
    std::vector<double> values_;
};

// A frost crystal: a six-armed star with side branches, drawn nine times around the tile so that
// whatever crosses an edge comes back on the other side.
void drawCrystal(QPainter& painter, QPointF centre, double size, double angle)
{
    QPainterPath path;
    for (int arm = 0; arm < 6; ++arm) {
        const double a = angle + arm * M_PI / 3;
        const QPointF tip = centre + QPointF(std::cos(a), std::sin(a)) * size;
        path.moveTo(centre);
        path.lineTo(tip);
        for (const double along : {0.45, 0.7}) {
            const QPointF base = centre + (tip - centre) * along;
            for (const double side : {-1.0, 1.0}) {
                const double b = a + side * M_PI / 4;
                path.moveTo(base);
                path.lineTo(base + QPointF(std::cos(b), std::sin(b)) * size * 0.25);
            }
        }
    }
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            painter.drawPath(path.translated(dx * iceSide, dy * iceSide));
        }
    }
}

} // namespace

QImage makeIcePicture()
{
    QImage ice(iceSide, iceSide, QImage::Format_RGB32);
    const WrappingNoise coarse(8, 11u);
    const WrappingNoise fine(32, 23u);
    for (int y = 0; y < iceSide; ++y) {
        auto* row = reinterpret_cast<QRgb*>(ice.scanLine(y));
        for (int x = 0; x < iceSide; ++x) {
            const double u = static_cast<double>(x) / iceSide;
            const double v = static_cast<double>(y) / iceSide;
            const double frost = 0.65 * coarse.at(u, v) + 0.35 * fine.at(u, v);
            // Pale blue where the frost is thin, nearly white where it is thick.
            const int red = static_cast<int>(205 + 42 * frost);
            const int green = static_cast<int>(225 + 27 * frost);
            const int blue = static_cast<int>(242 + 12 * frost);
            row[x] = qRgb(red, green, std::min(blue, 254));
        }
    }
    QPainter painter(&ice);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
    const struct
    {
        double x, y, size, angle;
    } crystals[] = {{40, 50, 22, 0.2}, {170, 30, 16, 0.9}, {120, 140, 26, 0.5},
                    {220, 200, 20, 1.3}, {60, 210, 14, 0.7}, {240, 100, 12, 0.1}};
    for (const auto& c : crystals) {
        drawCrystal(painter, {c.x, c.y}, c.size, c.angle);
    }
    return ice;
}

QImage makeInformationIcon()
{
    QImage icon(32, 32, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The chart: axes and three bars, behind the disc's lower left.
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.drawLine(QPointF(2, 30), QPointF(30, 30));
    painter.drawLine(QPointF(2, 30), QPointF(2, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 120, 40));
    painter.drawRect(QRectF(4, 22, 5, 8));
    painter.drawRect(QRectF(11, 17, 5, 13));
    painter.drawRect(QRectF(18, 25, 5, 5));

    // The disc and the question mark.
    painter.setBrush(QColor(40, 170, 60));
    painter.setPen(QPen(QColor(20, 110, 40), 1));
    painter.drawEllipse(QRectF(9.5, 1.5, 21, 21));
    QFont font("Arial");
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(20, 40, 200));
    painter.drawText(QRectF(9.5, 1.5, 21, 21), Qt::AlignCenter, "?");
    return icon;
}
