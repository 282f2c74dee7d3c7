#pragma once

#include "records/record_line.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

inline constexpr int kRecordRows = 10;
inline constexpr qsizetype kRecordFileSize = kRecordRows * kRecordLineLength;

// One row of the table of best results; the default is an empty row.
struct RecordRow
{
    QString name = QString(kNameLength, u' ');
    qint16 points = 0;

    friend bool operator==(const RecordRow &, const RecordRow &) = default;
};

// Best first. Points never rise down the table, rows of equal points stand oldest first, and
// empty rows come last.
using RecordRows = std::array<RecordRow, kRecordRows>;

// Only a result above the tenth enters the table.
bool qualifies(const RecordRows &rows, qint16 points);
// Below every row with as many points or more: 0 to 9, or 10 when the result does not enter.
int insertPosition(const RecordRows &rows, qint16 points);
// The rows beneath move down one, and the tenth drops out.
RecordRows withResult(RecordRows rows, const RecordRow &result);

// Varn.dat: the ten record lines in Windows-1251, enciphered, with nothing between them.
QByteArray fileBytes(const RecordRows &rows);
// The table those bytes hold, or nothing when their size is wrong or a row breaks the table's
// order: no row may hold more than the one above it, and the first no more than the ceiling.
std::optional<RecordRows> rowsFromFile(QByteArrayView bytes, qint16 ceiling);

// Ten numbered lines of 18 characters joined by CR LF, as the panel's text box shows them.
QString tableText(const RecordRows &rows);
