#pragma once

#include "game/cell.h"

#include <QList>
#include <QString>
#include <QStringList>

// Boards written as ten lines of ten characters, so a reader sees the foxes at a glance:
// 'F' marks a fox, any other character an empty cell.
inline QList<int> foxesIn(const QStringList &rows)
{
    QList<int> cells;
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            if (rows[row][column] == u'F')
                cells.append(cellNumber(row, column));
        }
    }
    return cells;
}

// The board most tests play on. Five foxes: 0, 24, 57, 72 and 89.
inline const QStringList kSampleBoard {
    "F.........", //
    "..........", //
    "....F.....", //
    "..........", //
    "..........", //
    ".......F..", //
    "..........", //
    "..F.......", //
    ".........F", //
    "..........",
};
