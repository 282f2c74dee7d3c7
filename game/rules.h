#pragma once

// The numbers of the game's rules.
inline constexpr int kFoxCount = 5;
inline constexpr int kStartingPoints = 300;
inline constexpr int kPointsPerOpenedCell = 10;
inline constexpr int kSecondsPerPoint = 5;
// Every game opens at least the cells of its foxes.
inline constexpr int kBestResult = kStartingPoints - kFoxCount * kPointsPerOpenedCell;
