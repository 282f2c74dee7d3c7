#pragma once

#include <QPoint>
#include <QRect>
#include <array>

// The board's places in pixels (15 twips to the pixel): a grid of 10 × 10 cells of 32 pixels
// from (24, 24), framed by bevel lines, inside a client area of 460 × 368.
namespace board_geometry {

inline constexpr int kOrigin = 24;
inline constexpr int kPitch = 32;
inline constexpr int kGridEnd = kOrigin + 10 * kPitch; // 344: the right and bottom edge lines
inline constexpr int kNumberSide = 33; // one pixel beyond the cell, under the next grid line
inline constexpr QPoint kClientSize {460, 368};

// Top left corner of cell i's square.
constexpr QPoint cellTopLeft(int index)
{
    return {kOrigin + kPitch * (index % 10), kOrigin + kPitch * (index / 10)};
}

// The inverse: the cell under a pixel, or -1. A cell owns the grid line at its left and top;
// the grid's right and bottom edge lines belong to no cell.
constexpr int cellAt(QPoint p)
{
    if (p.x() < kOrigin || p.y() < kOrigin || p.x() >= kGridEnd || p.y() >= kGridEnd)
        return -1;
    return (p.y() - kOrigin) / kPitch * 10 + (p.x() - kOrigin) / kPitch;
}

enum class LineColour { WindowText, WindowBackground, Dark, Light, White };

struct Line
{
    int x1, y1, x2, y2; // in twips, as laid out
    LineColour colour;
};

// Line1 to Line38, back to front: the grid and outer board frame, then the inner board frame and
// the window's sunken bevel.
inline constexpr std::array<Line, 38> kLines = [] {
    using enum LineColour;
    std::array<Line, 38> lines {};
    lines[0] = {360, 360, 5160, 360, WindowText};
    lines[1] = {360, 360, 360, 5160, WindowText};
    lines[2] = {5160, 360, 5160, 5160, WindowText};
    lines[3] = {360, 5160, 5160, 5160, WindowText};
    for (int k = 5; k <= 13; ++k)
        lines[k - 1] = {360, 840 + 480 * (k - 5), 5160, 840 + 480 * (k - 5), WindowText};
    for (int k = 14; k <= 22; ++k)
        lines[k - 1] = {840 + 480 * (k - 14), 360, 840 + 480 * (k - 14), 5160, WindowText};
    lines[22] = {240, 240, 5280, 240, WindowBackground};
    lines[23] = {5280, 240, 5280, 5280, WindowText};
    lines[24] = {240, 240, 240, 5280, WindowBackground};
    lines[25] = {240, 5280, 5295, 5280, WindowText};
    lines[26] = {255, 255, 5265, 255, Light};
    lines[27] = {5265, 255, 5265, 5265, Dark};
    lines[28] = {255, 255, 255, 5265, Light};
    lines[29] = {255, 5265, 5280, 5265, Dark};
    lines[30] = {6900, 0, 0, 0, Dark};
    lines[31] = {0, 0, 0, 5520, Dark};
    lines[32] = {15, 15, 6885, 15, WindowText};
    lines[33] = {15, 15, 15, 5505, WindowText};
    lines[34] = {0, 5520, 6900, 5520, Light};
    lines[35] = {6900, 0, 6900, 5535, Light};
    lines[36] = {15, 5505, 6885, 5505, White};
    lines[37] = {6885, 15, 6885, 5505, White};
    return lines;
}();

// The pixels a one-pixel line covers: from its first point up to, not including, its last, as
// the platform draws a line.
constexpr QRect linePixels(const Line &line)
{
    const int x1 = line.x1 / 15, y1 = line.y1 / 15, x2 = line.x2 / 15, y2 = line.y2 / 15;
    if (y1 == y2)
        return x1 < x2 ? QRect(QPoint(x1, y1), QPoint(x2 - 1, y1))
                       : QRect(QPoint(x2 + 1, y1), QPoint(x1, y1));
    return y1 < y2 ? QRect(QPoint(x1, y1), QPoint(x1, y2 - 1))
                   : QRect(QPoint(x1, y2 + 1), QPoint(x1, y1));
}

} // namespace board_geometry
