// Any bytes as Varn.dat: the reader leaves a valid table and a file of 140 bytes, and reading what
// it wrote gives the same table and the same bytes again.

#include "fuzz_support.h"
#include "records/record_table.h"
#include "support/fake_platform.h"

#include <QDir>
#include <QFile>

#include <cstdint>

namespace {

constexpr int kRows = 10;
constexpr qsizetype kFileSize = 140;
const QString kEmptyName(10, u' ');

QString dataPath()
{
    return QDir(fuzzFolder()).filePath(QStringLiteral("Varn.dat"));
}

QByteArray readDataFile()
{
    QFile file(dataPath());
    require(file.open(QIODevice::ReadOnly), "Varn.dat vanished");
    return file.readAll();
}

void requireValidTable(const RecordTable &table)
{
    for (int i = 1; i <= kRows; ++i) {
        const qint16 points = table.Очки_рекордов[i];
        require(points >= 0 && points <= 250, "points outside 0..250");
        require(i == 1 || points <= table.Очки_рекордов[i - 1], "points rise down the table");
        require(table.Имена_рекордов[i].size() == 10, "a name is not ten characters");
        require((table.Имена_рекордов[i] == kEmptyName) == (points == 0),
                "an empty name without 0 points, or 0 points with a name");
    }
    require(table.Таблица_рекордов.size() == 198, "the table's text is not 198 characters");
}

void requireSameTable(const RecordTable &a, const RecordTable &b)
{
    for (int i = 1; i <= kRows; ++i) {
        require(a.Имена_рекордов[i] == b.Имена_рекордов[i], "a name changed on reading back");
        require(a.Очки_рекордов[i] == b.Очки_рекордов[i], "points changed on reading back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    writeInput(QStringLiteral("Varn.dat"), input);

    FakePlatform platform;
    platform.directory = fuzzFolder();
    RecordTable first(platform);
    first.Чтение_таблицы_рекордов_из_файла();
    requireValidTable(first);
    require(platform.messages.isEmpty(), "a message while reading");
    const QByteArray written = readDataFile();
    require(written.size() == kFileSize, "the written file is not 140 bytes");
    if (input.size() != kFileSize)
        require(first.Файл_испорчен, "a file of the wrong size was taken");
    if (first.Файл_испорчен)
        require(written == QByteArray(kFileSize, char(0xA0)), "a damaged file was not emptied");

    RecordTable second(platform);
    second.Чтение_таблицы_рекордов_из_файла();
    require(!second.Файл_испорчен, "the file written back reads as damaged");
    requireSameTable(first, second);
    require(readDataFile() == written, "the file written back changed on a second pass");
    return 0;
}
