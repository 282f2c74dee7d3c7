// A random number turned into a cell, exactly, so that no rounding picks a cell past the last.
#pragma once

#include "game/cell.h"

// floor(r * kCellCount), taken in double so that no rounding lifts an r below 1 past the last
// cell.
constexpr int cellFromUnit(float r)
{
    return static_cast<int>(static_cast<double>(r) * kCellCount);
}
