#include "ui/card_backs.h"

#include "ui/card_faces.h"
#include "ui/table_layout.h"
#include "ui/texture_noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <QColor>

namespace omaha {

namespace {

constexpr double kBorderWidth = 3; // the yellow band, in table pixels
constexpr double kBorderLine = 1;  // a darker gold line where the band meets the texture
const QRgb kBorderYellow = qRgb(250, 214, 24);
const QRgb kBorderGold = qRgb(140, 104, 8);

QRgb shaded(int red, int green, int blue, double factor) {
    const auto channel = [factor](int value) {
        return std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255);
    };
    return qRgb(channel(red), channel(green), channel(blue));
}

int floorToInt(double value) {
    return static_cast<int>(std::floor(value));
}

// Blue denim: indigo cloth with the fine diagonal ribs of a twill weave, streaks along the warp
// where the yarn is thicker or thinner, and pale flecks where the white weft shows through.
QRgb denim(double u, double v) {
    const double rib = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * (u + v) / 3.0);
    const double streak = valueNoise(u * 0.9, v * 0.035, 11);
    const double worn = fractalNoise(u * 0.05, v * 0.05, 3, 12);
    const double fleck = latticeHash(floorToInt(u * 1.5), floorToInt(v * 1.5), 13);
    double light = 0.62 + 0.22 * rib + 0.3 * (streak - 0.5) + 0.35 * (worn - 0.5);
    if (fleck > 0.9)
        light += 0.25;
    return shaded(52, 84, 150, light);
}

// Sacking: a coarse plain weave of round jute threads, each thread passing over one and under
// the next, with dark holes where the threads cross.
QRgb sacking(double u, double v) {
    constexpr double pitch = 3.5;
    constexpr double gap = 0.16;
    // The threads wander a little, as in loosely woven cloth.
    const double wu = u + (valueNoise(v * 0.12, 3.7, 21) - 0.5) * 1.2;
    const double wv = v + (valueNoise(u * 0.12, 8.1, 22) - 0.5) * 1.2;
    const int column = floorToInt(wu / pitch);
    const int row = floorToInt(wv / pitch);
    const double acrossColumn = wu / pitch - column;
    const double acrossRow = wv / pitch - row;
    const bool inColumn = acrossColumn > gap && acrossColumn < 1 - gap;
    const bool inRow = acrossRow > gap && acrossRow < 1 - gap;
    const bool columnOnTop = ((column + row) % 2 + 2) % 2 == 0;
    const auto thread = [](double across, double fibre, double tone, double depth) {
        const double round = std::sin(std::numbers::pi * (across - gap) / (1 - 2 * gap));
        return shaded(178, 142, 92, depth * (0.6 + 0.32 * round + 0.16 * fibre + 0.1 * tone));
    };
    const double columnFibre = valueNoise(u * 2.5, v * 0.5, 25);
    const double rowFibre = valueNoise(u * 0.5, v * 2.5, 26);
    const double columnTone = latticeHash(column, 0, 27);
    const double rowTone = latticeHash(0, row, 28);
    if (inColumn && (columnOnTop || !inRow))
        return thread(acrossColumn, columnFibre, columnTone, columnOnTop ? 1.0 : 0.82);
    if (inRow)
        return thread(acrossRow, rowFibre, rowTone, columnOnTop ? 0.82 : 1.0);
    return shaded(58, 40, 22, 0.8 + 0.4 * latticeHash(floorToInt(u), floorToInt(v), 24));
}

// Stone: grey clouds of several sizes, dark veins along the ridges of a second noise, and
// scattered dark and light grains.
QRgb stone(double u, double v) {
    const double cloud = fractalNoise(u * 0.06, v * 0.06, 5, 31);
    const double ridge = 1 - std::abs(2 * fractalNoise(u * 0.035 + 7, v * 0.035, 4, 41) - 1);
    const double vein = std::pow(ridge, 10);
    const double grain = latticeHash(floorToInt(u * 1.4), floorToInt(v * 1.4), 51);
    double grey = 92 + 100 * cloud - 55 * vein;
    if (grain > 0.94)
        grey -= 35;
    else if (grain < 0.04)
        grey += 30;
    const int value = std::clamp(static_cast<int>(grey), 0, 255);
    return qRgb(std::min(value + 8, 255), std::min(value + 4, 255), value);
}

// Brown leather: small domed pebbles separated by dark creases, under a broad uneven tan.
QRgb leather(double u, double v) {
    const CellDistances cell = cellNoise(u / 3.4, v / 3.4, 61);
    const double crease = std::clamp((cell.second - cell.nearest) / 0.3, 0.0, 1.0);
    const double dome = 1 - std::clamp(cell.nearest, 0.0, 1.0) * 0.6;
    const double tan = fractalNoise(u * 0.045, v * 0.045, 3, 71);
    // A soft sheen from the upper left, as on polished hide.
    const double sheen = std::clamp(1.0 - (u + v) / 200.0, 0.0, 1.0);
    return shaded(134, 76, 38,
                  0.5 + 0.28 * tan + 0.22 * dome * crease + 0.1 * crease + 0.15 * sheen);
}

QRgb texture(BackDesign design, double u, double v) {
    switch (design) {
    case BackDesign::Denum:
        return denim(u, v);
    case BackDesign::Cloth:
        return sacking(u, v);
    case BackDesign::Rock:
        return stone(u, v);
    case BackDesign::Leather:
        return leather(u, v);
    }
    return denim(u, v);
}

// How far (u, v) lies inside the card's nearest edge, in table pixels.
double insetOf(double u, double v) {
    return std::min(std::min(u, kCardWidth - u), std::min(v, kCardHeight - v));
}

} // namespace

QImage cardBack(BackDesign design, qreal ratio) {
    QImage image = blankCardImage(ratio);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = (y + 0.5) / ratio;
        for (int x = 0; x < image.width(); ++x) {
            const double u = (x + 0.5) / ratio;
            const double inset = insetOf(u, v);
            if (inset < kBorderWidth)
                line[x] = kBorderYellow;
            else if (inset < kBorderWidth + kBorderLine)
                line[x] = kBorderGold;
            else
                line[x] = texture(design, u, v);
        }
    }
    return image;
}

} // namespace omaha
