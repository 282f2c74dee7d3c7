#pragma once

// Cells are numbered 0 to 99 row by row: row 0 at the top, column 0 at the left.
inline constexpr int kBoardSide = 10;
inline constexpr int kCellCount = kBoardSide * kBoardSide;

struct CellCoordinates
{
    int Строка;
    int Столбец;
};

constexpr CellCoordinates Координаты_клетки(int index)
{
    return {index / kBoardSide, index % kBoardSide};
}

constexpr int cellNumber(int row, int column)
{
    return row * kBoardSide + column;
}

// Two cells share a line when they share a row or a column, or lie on one diagonal; the lines
// run to the edges of the board, and every cell lies on a line with itself.
constexpr bool onOneLine(int a, int b)
{
    const CellCoordinates p = Координаты_клетки(a);
    const CellCoordinates q = Координаты_клетки(b);
    const int rows = p.Строка - q.Строка;
    const int columns = p.Столбец - q.Столбец;
    return rows == 0 || columns == 0 || rows == columns || rows == -columns;
}
