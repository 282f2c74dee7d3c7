#pragma once

#include "records/record_file.h"
#include "records/record_rows.h"

#include <QList>
#include <utility>

// A table of the given rows, the rest empty.
inline RecordRows tableOf(const QList<std::pair<QString, qint16>> &rows)
{
    RecordRows table;
    for (qsizetype i = 0; i < rows.size(); ++i)
        table[i] = {rows[i].first.leftJustified(kNameLength), rows[i].second};
    return table;
}

// Stores a table in Varn.dat of the folder, as the program would have saved it.
inline bool storeTable(const QString &folder, const RecordRows &rows)
{
    return !saveRecordFile(recordFilePath(folder), fileBytes(rows));
}
