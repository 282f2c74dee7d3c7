#include "records/record_rows.h"

#include "records/cipher.h"
#include "records/windows1251.h"

#include <QStringList>
#include <algorithm>

namespace {

bool rowIsValid(const RecordRow &row, qint16 pointsAbove)
{
    return row.points <= pointsAbove && row.points >= 0
        && (row.name == RecordRow().name) == (row.points == 0);
}

} // namespace

bool qualifies(const RecordRows &rows, qint16 points)
{
    return points > rows.back().points;
}

int insertPosition(const RecordRows &rows, qint16 points)
{
    int position = kRecordRows;
    while (position > 0 && rows[position - 1].points < points)
        --position;
    return position;
}

RecordRows withResult(RecordRows rows, const RecordRow &result)
{
    const int position = insertPosition(rows, result.points);
    if (position < kRecordRows) {
        std::move_backward(rows.begin() + position, rows.end() - 1, rows.end());
        rows[position] = result;
    }
    return rows;
}

QByteArray fileBytes(const RecordRows &rows)
{
    QByteArray bytes;
    bytes.reserve(kRecordFileSize);
    for (const RecordRow &row : rows)
        bytes += Зашифровать_расшифровать(toWindows1251(recordLine(row.name, row.points)));
    return bytes;
}

std::optional<RecordRows> rowsFromFile(QByteArrayView bytes, qint16 ceiling)
{
    if (bytes.size() != kRecordFileSize)
        return std::nullopt;
    RecordRows rows;
    qint16 pointsAbove = ceiling;
    for (int i = 0; i < kRecordRows; ++i) {
        const QString line = fromWindows1251(
            Зашифровать_расшифровать(bytes.sliced(i * kRecordLineLength, kRecordLineLength)));
        rows[i] = {line.left(kNameLength),
                   qint16(pointsFromField(QStringView(line).sliced(kNameLength)))};
        if (!rowIsValid(rows[i], pointsAbove))
            return std::nullopt;
        pointsAbove = rows[i].points;
    }
    return rows;
}

QString tableText(const RecordRows &rows)
{
    QStringList lines;
    for (int i = 0; i < kRecordRows; ++i)
        lines.append(QStringLiteral("%1.").arg(i + 1, 3)
                     + recordLine(rows[i].name, rows[i].points));
    return lines.join(QStringLiteral("\r\n"));
}
