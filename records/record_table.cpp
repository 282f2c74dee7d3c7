#include "records/record_table.h"

#include "game/platform.h"
#include "records/cipher.h"
#include "records/record_line.h"
#include "records/typed_name.h"
#include "records/windows1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int kRows = 10;
constexpr qint64 kFileSize = kRows * kRecordLineLength;
// No game scores more, so row 1 may hold no more.
constexpr qint16 kBestPossible = 250;
const QString kEmptyName(kNameLength, u' ');

QString dataFilePath(const Platform &platform)
{
    return QDir(platform.programDirectory()).filePath(QStringLiteral("Varn.dat"));
}

bool fileHolds(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == contents.size()
        && file.readAll() == contents;
}

bool rowIsValid(const QString &name, qint16 points, qint16 pointsAbove)
{
    return points <= pointsAbove && points >= 0 && (name == kEmptyName) == (points == 0);
}

} // namespace

RecordTable::RecordTable(Platform &platform)
    : platform(platform)
{ }

// An unreadable file counts as a damaged one: the table starts empty either way.
void RecordTable::Чтение_таблицы_рекордов_из_файла()
{
    QFile file(dataFilePath(platform));
    const QFileInfo info(file);
    // Only a regular file, checked before opening, since opening a pipe waits for a writer, and
    // again on what was opened.
    Файл_испорчен = !info.isFile() || info.size() != kFileSize || !file.open(QIODevice::ReadOnly)
        || file.isSequential();
    if (!Файл_испорчен) {
        Очки_рекордов[0] = kBestPossible;
        for (int i = 1; i <= kRows; ++i) {
            Шифрованные_строки[i] = file.read(kRecordLineLength);
            Строки_рекордов[i] = fromWindows1251(Зашифровать_расшифровать(Шифрованные_строки[i]));
            Имена_рекордов[i] = Строки_рекордов[i].left(kNameLength);
            Очки_рекордов[i]
                = qint16(pointsFromField(QStringView(Строки_рекордов[i]).mid(kNameLength)));
            if (Шифрованные_строки[i].size() != kRecordLineLength
                || !rowIsValid(Имена_рекордов[i], Очки_рекордов[i], Очки_рекордов[i - 1])) {
                Файл_испорчен = true;
                break;
            }
        }
        file.close();
    }
    if (Файл_испорчен)
        Очистить_таблицу_рекордов();
    Полностью_обновить_таблицу_рекордов();
}

void RecordTable::Очистить_таблицу_рекордов()
{
    for (int i = 1; i <= kRows; ++i) {
        Имена_рекордов[i] = kEmptyName;
        Очки_рекордов[i] = 0;
    }
}

void RecordTable::Полностью_обновить_таблицу_рекордов()
{
    Корректировать_массивы_запись_и_шифровка();
    Вывести_таблицу_рекордов_в_TextBox();
    Записать_таблицу_рекордов_в_файл();
}

void RecordTable::Внести_в_таблицу_новый_рекорд(qint16 очки)
{
    const QString answer
        = platform.askText(QStringLiteral("Введите Ваше имя (не более 10-и символов)"),
                           QStringLiteral("Ввод"), Последнее_имя);
    // Held as the file will hold it, so the panel and the next default show what was saved.
    Имена_рекордов[11] = storableName(answer);
    Последнее_имя = Имена_рекордов[11];
    Имена_рекордов[11] = Имена_рекордов[11].leftJustified(kNameLength);
    if (Имена_рекордов[11] == kEmptyName)
        Имена_рекордов[11] = QStringLiteral("Anonymous ");
    Очки_рекордов[11] = очки;
    for (int i = kRows; i >= 1; --i) {
        if (Очки_рекордов[i] >= Очки_рекордов[i + 1])
            break;
        Имена_рекордов[0] = Имена_рекордов[i];
        Очки_рекордов[0] = Очки_рекордов[i];
        Имена_рекордов[i] = Имена_рекордов[i + 1];
        Очки_рекордов[i] = Очки_рекордов[i + 1];
        Имена_рекордов[i + 1] = Имена_рекордов[0];
        Очки_рекордов[i + 1] = Очки_рекордов[0];
    }
    Полностью_обновить_таблицу_рекордов();
}

void RecordTable::Корректировать_массивы_запись_и_шифровка()
{
    for (int i = 1; i <= kRows; ++i) {
        Строки_рекордов[i] = recordLine(Имена_рекордов[i], Очки_рекордов[i]);
        Шифрованные_строки[i] = Зашифровать_расшифровать(toWindows1251(Строки_рекордов[i]));
    }
}

void RecordTable::Вывести_таблицу_рекордов_в_TextBox()
{
    QString text;
    for (int i = 1; i <= kRows; ++i) {
        text += QStringLiteral("%1.").arg(i, 3) + Строки_рекордов[i];
        if (i < kRows)
            text += QStringLiteral("\r\n");
    }
    Таблица_рекордов = text;
}

// Written whole or not at all: a kill or power cut mid-write leaves the previous file. When it
// cannot be written the game goes on with the table in memory, and the player is told.
void RecordTable::Записать_таблицу_рекордов_в_файл()
{
    QByteArray contents;
    for (int i = 1; i <= kRows; ++i)
        contents += Шифрованные_строки[i];
    // Only a regular file is replaced: opening a pipe waits for its other end, and saving through a
    // link to a device would put a file in the device's place. Whatever sits there was put there
    // on purpose, so it is left alone and the player told.
    const QFileInfo existing(dataFilePath(platform));
    const bool replaceable = existing.isFile() || !existing.exists();
    // A file that already holds these very bytes, as at most starts, needs no rewrite and no wait
    // for the disk.
    if (replaceable && fileHolds(dataFilePath(platform), contents))
        return;
    QSaveFile file(dataFilePath(platform));
    if (replaceable && file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size()
        && file.commit())
        return;
    const QString reason = replaceable ? file.errorString() : QStringLiteral("это не обычный файл");
    platform.showMessage(QStringLiteral("Не удалось записать таблицу рекордов в файл\n%1\n(%2)\n\n"
                                        "Рекорды сохранятся только до выхода из игры.")
                             .arg(QDir::toNativeSeparators(file.fileName()), reason),
                         QStringLiteral("Ошибка"), Platform::Icon::Critical);
}
