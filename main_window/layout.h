#pragma once

#include "game/cell.h"
#include "resources/fonts.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Every place, size, colour and font of the main window, in pixels from the top left corner of
// its client area under the menu bar, but for the board's own.
namespace layout {

inline constexpr QSize kClientSize {460, 368};

inline constexpr QColor kFace {192, 192, 192};
inline constexpr QColor kBevelDark {128, 128, 128};
inline constexpr QColor kBevelLight {224, 224, 224};
inline constexpr QColor kBevelWhite {255, 255, 255};

// The captions and the panel's buttons; sized so that "Время" fits its 33 pixels.
inline constexpr FontStyle kSurfaceFont {FontStyle::Family::SansSerif, 11};

// The board: 10 × 10 cells of 32 pixels, with the grid's right and bottom edge lines, at
// (24, 24). Its cells, lines and cursor are placed in pixels from the board's own top left corner.
inline constexpr int kPitch = 32;
inline constexpr int kGridEnd = kBoardSide * kPitch; // the right and bottom edge lines
inline constexpr QRect kBoard {24, 24, kGridEnd + 1, kGridEnd + 1};
inline constexpr int kNumberSide = kPitch + 1; // one pixel beyond the cell, under the next line
inline constexpr FontStyle kNumberFont {FontStyle::Family::Arial, 29, true};

constexpr QPoint cellTopLeft(int index)
{
    const CellCoordinates cell = Координаты_клетки(index);
    return {kPitch * cell.Столбец, kPitch * cell.Строка};
}

// The inverse: the cell under a pixel, or -1. A cell owns the grid line at its left and top;
// the grid's right and bottom edge lines belong to no cell.
constexpr int cellAt(QPoint p)
{
    if (p.x() < 0 || p.y() < 0 || p.x() >= kGridEnd || p.y() >= kGridEnd)
        return -1;
    return cellNumber(p.y() / kPitch, p.x() / kPitch);
}

// The keyboard's cursor: a blue frame inside the cell's grid lines, lined with white within, that
// shows on a closed cell, a number, a fox and a flag alike.
inline constexpr QColor kCursorFrame {0, 0, 255};
inline constexpr QColor kCursorLining {255, 255, 255};
inline constexpr int kCursorLineWidth = 2;

constexpr QRect cursorFrame(int index)
{
    return {cellTopLeft(index) + QPoint(1, 1), QSize(kPitch - 1, kPitch - 1)};
}

enum class LineColour { WindowText, WindowBackground, Dark, Light, White };

struct Line
{
    int x1, y1, x2, y2;
    LineColour colour;
};

// The grid, on the board.
inline constexpr std::array<Line, 22> kGridLines = [] {
    using enum LineColour;
    std::array<Line, 22> lines {};
    lines[0] = {0, 0, kGridEnd, 0, WindowText};
    lines[1] = {0, 0, 0, kGridEnd, WindowText};
    lines[2] = {kGridEnd, 0, kGridEnd, kGridEnd, WindowText};
    lines[3] = {0, kGridEnd, kGridEnd, kGridEnd, WindowText};
    for (int k = 1; k < kBoardSide; ++k) {
        const int at = kPitch * k;
        lines[3 + k] = {0, at, kGridEnd, at, WindowText};
        lines[12 + k] = {at, 0, at, kGridEnd, WindowText};
    }
    return lines;
}();

// Back to front, on the client area: the board's raised frame, and the client area's sunken edge.
inline constexpr std::array<Line, 16> kFrameLines {{
    {16, 16, 352, 16, LineColour::WindowBackground},
    {352, 16, 352, 352, LineColour::WindowText},
    {16, 16, 16, 352, LineColour::WindowBackground},
    {16, 352, 353, 352, LineColour::WindowText},
    {17, 17, 351, 17, LineColour::Light},
    {351, 17, 351, 351, LineColour::Dark},
    {17, 17, 17, 351, LineColour::Light},
    {17, 351, 352, 351, LineColour::Dark},
    {460, 0, 0, 0, LineColour::Dark},
    {0, 0, 0, 368, LineColour::Dark},
    {1, 1, 459, 1, LineColour::WindowText},
    {1, 1, 1, 367, LineColour::WindowText},
    {0, 368, 460, 368, LineColour::Light},
    {460, 0, 460, 369, LineColour::Light},
    {1, 367, 459, 367, LineColour::White},
    {459, 1, 459, 367, LineColour::White},
}};

// The pixels a one-pixel line covers: from its first point up to, not including, its last.
constexpr QRect linePixels(const Line &line)
{
    const int x1 = line.x1, y1 = line.y1, x2 = line.x2, y2 = line.y2;
    if (y1 == y2)
        return x1 < x2 ? QRect(QPoint(x1, y1), QPoint(x2 - 1, y1))
                       : QRect(QPoint(x2 + 1, y1), QPoint(x1, y1));
    return y1 < y2 ? QRect(QPoint(x1, y1), QPoint(x1, y2 - 1))
                   : QRect(QPoint(x1, y2 + 1), QPoint(x1, y1));
}

// The status column: a caption with a value label in front of its bottom edge, four times.
inline constexpr QColor kValueBackground {192, 255, 255};
inline constexpr FontStyle kValueFont {FontStyle::Family::SansSerif, 13, true};

struct StatusLabel
{
    const char *name;
    QRect place;
    const char *caption; // none for a value label, which the game writes
    const char *toolTip;
};

inline constexpr const char kMovesTip[] = "Количество сделанных ходов";
inline constexpr const char kFoxesTip[] = "Число обнаруженных лис";
inline constexpr const char kTimeTip[] = "Затраченное на игру время (в секундах)";
inline constexpr const char kPointsTip[] = "Заработанные очки";

// Back to front.
inline constexpr std::array<StatusLabel, 8> kStatusLabels {{
    {"Label3", {392, 168, 33, 17}, "Время", kTimeTip},
    {"Label4", {392, 224, 33, 17}, "Очки", kPointsTip},
    {"Label1", {392, 56, 33, 20}, "Ходы", kMovesTip},
    {"lblLead", {392, 72, 33, 20}, nullptr, kMovesTip},
    {"Label2", {392, 112, 33, 17}, "Лисы", kFoxesTip},
    {"lblFox", {392, 128, 33, 20}, nullptr, kFoxesTip},
    {"lblTime", {392, 184, 33, 20}, nullptr, kTimeTip},
    {"lblPoint", {392, 240, 33, 20}, nullptr, kPointsTip},
}};

// The panel of best results over the middle and right of the board; its backdrop fills it.
inline constexpr QRect kPanel {130, 50, 206, 267};
inline constexpr QRect kPanelTitle {133, 53, 200, 25};
inline constexpr QRect kTableBox {133, 80, 200, 188};
inline constexpr QRect kCloseButton {150, 280, 65, 23};
inline constexpr QRect kClearButton {250, 280, 65, 23};
inline constexpr QColor kTableBackground {0, 192, 192};
inline constexpr FontStyle kPanelTitleFont {FontStyle::Family::CourierNew, 19, true};
inline constexpr FontStyle kTableFont {FontStyle::Family::CourierNew, 16, true};
// Closer than the font's own spacing, which would push the tenth line out of the box.
inline constexpr int kTableLineHeight = 18;

} // namespace layout
