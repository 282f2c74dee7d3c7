#pragma once

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
                cells.append(row * 10 + column);
        }
    }
    return cells;
}
