// Any bytes as Varn.dat: the reader leaves a valid table and a file of 140 bytes, and reading what
// it wrote gives the same table and the same bytes again.

#include "fuzz_support.h"
#include "game/rules.h"
#include "records/record_file.h"
#include "records/record_table.h"
#include "support/fake_platform.h"

#include <QFile>

#include <cstdint>

namespace {

QByteArray readDataFile()
{
    QFile file(recordFilePath(fuzzFolder()));
    require(file.open(QIODevice::ReadOnly), "Varn.dat vanished");
    return file.readAll();
}

void requireValidTable(const RecordTable &table)
{
    qint16 pointsAbove = kBestResult;
    for (const RecordRow &row : table.rows()) {
        require(row.points >= 0 && row.points <= pointsAbove, "points outside 0..250 or rising");
        require(row.name.size() == kNameLength, "a name is not ten characters");
        require((row.name == RecordRow().name) == (row.points == 0),
                "an empty name without 0 points, or 0 points with a name");
        pointsAbove = row.points;
    }
    require(table.text().size() == 198, "the table's text is not 198 characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    writeInput(QStringLiteral("Varn.dat"), input);

    FakePlatform platform;
    platform.directory = fuzzFolder();
    RecordTable first(platform, kBestResult);
    const TableChange read = first.Чтение_таблицы_рекордов_из_файла();
    requireValidTable(first);
    require(!read.failure, "a failure while reading");
    const QByteArray written = readDataFile();
    require(written.size() == kRecordFileSize, "the written file is not 140 bytes");
    if (input.size() != kRecordFileSize)
        require(read.Файл_испорчен, "a file of the wrong size was taken");
    if (read.Файл_испорчен)
        require(written == QByteArray(kRecordFileSize, char(0xA0)),
                "a damaged file was not emptied");

    RecordTable second(platform, kBestResult);
    require(!second.Чтение_таблицы_рекордов_из_файла().Файл_испорчен,
            "the file written back reads as damaged");
    require(first.rows() == second.rows(), "the table changed on reading back");
    require(readDataFile() == written, "the file written back changed on a second pass");
    return 0;
}
