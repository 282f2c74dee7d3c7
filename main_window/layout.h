#pragma once

#include "game/cell.h"
#include "resources/fonts.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Every place, size, colour and font of the main window, in pixels from the top left corner of
// its client area under the menu bar.
namespace layout {

inline constexpr QSize kClientSize {460, 368};

inline constexpr QColor kFace {192, 192, 192};
inline constexpr QColor kBevelDark {128, 128, 128};
inline constexpr QColor kBevelLight {224, 224, 224};
inline constexpr QColor kBevelWhite {255, 255, 255};

// The captions and the panel's buttons; sized so that "Время" fits its 33 pixels.
inline constexpr FontStyle kSurfaceFont {FontStyle::Family::SansSerif, 11};

// The board: 10 × 10 cells of 32 pixels from (24, 24).
inline constexpr int kOrigin = 24;
inline constexpr int kPitch = 32;
inline constexpr int kGridEnd = kOrigin + kBoardSide * kPitch; // the right and bottom edge lines
inline constexpr int kNumberSide = kPitch + 1; // one pixel beyond the cell, under the next line
inline constexpr FontStyle kNumberFont {FontStyle::Family::Arial, 29, true};

constexpr QPoint cellTopLeft(int index)
{
    const CellCoordinates cell = Координаты_клетки(index);
    return {kOrigin + kPitch * cell.Столбец, kOrigin + kPitch * cell.Строка};
}

// The inverse: the cell under a pixel, or -1. A cell owns the grid line at its left and top;
// the grid's right and bottom edge lines belong to no cell.
constexpr int cellAt(QPoint p)
{
    if (p.x() < kOrigin || p.y() < kOrigin || p.x() >= kGridEnd || p.y() >= kGridEnd)
        return -1;
    return cellNumber((p.y() - kOrigin) / kPitch, (p.x() - kOrigin) / kPitch);
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

// Back to front: the grid, the board's raised frame, and the client area's sunken edge.
inline constexpr std::array<Line, 38> kLines = [] {
    using enum LineColour;
    std::array<Line, 38> lines {};
    lines[0] = {kOrigin, kOrigin, kGridEnd, kOrigin, WindowText};
    lines[1] = {kOrigin, kOrigin, kOrigin, kGridEnd, WindowText};
    lines[2] = {kGridEnd, kOrigin, kGridEnd, kGridEnd, WindowText};
    lines[3] = {kOrigin, kGridEnd, kGridEnd, kGridEnd, WindowText};
    for (int k = 1; k < kBoardSide; ++k) {
        const int at = kOrigin + kPitch * k;
        lines[3 + k] = {kOrigin, at, kGridEnd, at, WindowText};
        lines[12 + k] = {at, kOrigin, at, kGridEnd, WindowText};
    }
    lines[22] = {16, 16, 352, 16, WindowBackground};
    lines[23] = {352, 16, 352, 352, WindowText};
    lines[24] = {16, 16, 16, 352, WindowBackground};
    lines[25] = {16, 352, 353, 352, WindowText};
    lines[26] = {17, 17, 351, 17, Light};
    lines[27] = {351, 17, 351, 351, Dark};
    lines[28] = {17, 17, 17, 351, Light};
    lines[29] = {17, 351, 352, 351, Dark};
    lines[30] = {460, 0, 0, 0, Dark};
    lines[31] = {0, 0, 0, 368, Dark};
    lines[32] = {1, 1, 459, 1, WindowText};
    lines[33] = {1, 1, 1, 367, WindowText};
    lines[34] = {0, 368, 460, 368, Light};
    lines[35] = {460, 0, 460, 369, Light};
    lines[36] = {1, 367, 459, 367, White};
    lines[37] = {459, 1, 459, 367, White};
    return lines;
}();

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
