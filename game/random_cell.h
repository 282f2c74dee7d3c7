#pragma once

#include "game/cell.h"

#include <cstdint>

// 24 random bits scaled by 2^-24: every value is exact and the largest is 1 - 2^-24, so the
// result never reaches 1 (std::uniform_real_distribution<float> may, which would pick cell 100).
constexpr float unitFromBits(std::uint32_t bits)
{
    return static_cast<float>(bits >> 8) * 0x1p-24f;
}

// floor(r * kCellCount), taken in double so that no rounding lifts an r below 1 past the last
// cell.
constexpr int cellFromUnit(float r)
{
    return static_cast<int>(static_cast<double>(r) * kCellCount);
}
