#pragma once

#include "records/record_table.h"

#include <QList>
#include <QString>
#include <utility>

// Two valid tables that the rewriter saves by turns, so a test can tell a whole file of either
// from a torn one.
using TableRows = QList<std::pair<QString, qint16>>;

inline const TableRows kFirstTable = {{QStringLiteral("Анна      "), 250},
                                      {QStringLiteral("Boris     "), 120},
                                      {QStringLiteral("Clara     "), 120},
                                      {QStringLiteral("Дмитрий   "), 40}};
inline const TableRows kSecondTable
    = {{QStringLiteral("Ёжик      "), 200}, {QStringLiteral("Fedor     "), 190},
       {QStringLiteral("Galina    "), 180}, {QStringLiteral("Hugo      "), 170},
       {QStringLiteral("Irina     "), 160}, {QStringLiteral("Jan       "), 150},
       {QStringLiteral("Kira      "), 140}, {QStringLiteral("Lev       "), 130},
       {QStringLiteral("Маша      "), 120}, {QStringLiteral("Nina      "), 110}};

inline void fillTable(RecordTable &table, const TableRows &rows)
{
    table.Очистить_таблицу_рекордов();
    for (int i = 1; i <= rows.size(); ++i) {
        table.Имена_рекордов[i] = rows[i - 1].first;
        table.Очки_рекордов[i] = rows[i - 1].second;
    }
}

inline bool holdsTable(const RecordTable &table, const TableRows &rows)
{
    for (int i = 1; i <= 10; ++i) {
        const bool filled = i <= rows.size();
        if (table.Имена_рекордов[i] != (filled ? rows[i - 1].first : QString(10, u' '))
            || table.Очки_рекордов[i] != (filled ? rows[i - 1].second : 0))
            return false;
    }
    return true;
}
