#include "records/record_table.h"

#include "platform/platform.h"
#include "records/record_file.h"
#include "records/typed_name.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

// A change holds the lock for milliseconds: one held longer was left by a copy that died.
constexpr int kStaleLockMs = 5'000;
// Longer than the stale time, so that a dead copy's lock is always taken over.
constexpr int kLockWaitMs = 10'000;

// Every copy of the game reads and replaces the file only while it holds this lock: on Windows a
// copy reading the file would hold off another's replacement of it.
bool lockTable(QLockFile &lock)
{
    lock.setStaleLockTime(kStaleLockMs);
    return lock.tryLock(kLockWaitMs);
}

QString lockPath(const QString &folder)
{
    return recordFilePath(folder) + QStringLiteral(".lock");
}

} // namespace

RecordTable::RecordTable(Platform &platform, qint16 bestPossible)
    : m_platform(platform)
    , m_bestPossible(bestPossible)
{ }

void RecordTable::Чтение_таблицы_рекордов_из_файла()
{
    Изменить_таблицу([](const RecordRows &rows) { return rows; });
}

void RecordTable::Очистить_таблицу_рекордов()
{
    Изменить_таблицу([](const RecordRows &) { return RecordRows(); });
}

bool RecordTable::Внести_в_таблицу_новый_рекорд(qint16 очки)
{
    // Another copy of the game may have filled the table since this one last looked.
    {
        const QString folder = places().constFirst();
        QLockFile lock(lockPath(folder));
        lockTable(lock);
        Взять_таблицу_из_файла(folder);
    }
    if (!qualifies(m_rows, очки))
        return false;
    // Asked before the lock is taken: the player may keep the box open for as long as they like.
    const QString answer
        = m_platform.askText(QStringLiteral("Введите Ваше имя (не более 10-и символов)"),
                             QStringLiteral("Ввод"), Последнее_имя);
    // Held as the file will hold it, so the panel and the next default show what was saved.
    Последнее_имя = storableName(answer);
    RecordRow result {Последнее_имя.leftJustified(kNameLength), очки};
    if (result.name == RecordRow().name)
        result.name = QStringLiteral("Anonymous ");
    // Judged again on the file's table: a result that no longer beats its tenth row leaves it as
    // it is.
    Изменить_таблицу([&result](const RecordRows &rows) { return withResult(rows, result); });
    return true;
}

QStringList RecordTable::places() const
{
    const QString data = m_platform.playerDataDirectory();
    if (data.isEmpty())
        return {m_platform.programDirectory()};
    if (QFileInfo::exists(recordFilePath(data)))
        return {data};
    return {m_platform.programDirectory(), data};
}

// An unreadable file counts as a damaged one: the table becomes empty either way.
void RecordTable::Взять_таблицу_из_файла(const QString &folder)
{
    QString path = recordFilePath(folder);
    if (!QFileInfo::exists(path))
        path = recordFilePath(m_platform.programDirectory());
    const QByteArray bytes = readRecordFile(path);
    if (bytes == m_lastKnown)
        return;
    m_lastKnown = bytes;
    const std::optional<RecordRows> read = rowsFromFile(bytes, m_bestPossible);
    Файл_испорчен = !read;
    m_rows = read.value_or(RecordRows());
    Вывести_таблицу_рекордов_в_TextBox();
}

void RecordTable::Изменить_таблицу(const Change &change)
{
    QStringList failures;
    std::optional<RecordRows> unchanged;
    for (const QString &folder : places()) {
        const QString path = recordFilePath(folder);
        // Where no lock can be had, as in a folder the player cannot write, the save is still
        // tried: its own result decides whether the table can live there.
        QLockFile lock(lockPath(folder));
        if (QDir().mkpath(folder) && lockTable(lock))
            removeLeftoverTemporaries(path);
        // The change is made once, on the table of the place that saves it.
        if (unchanged)
            m_rows = *unchanged;
        Взять_таблицу_из_файла(folder);
        unchanged = m_rows;
        m_rows = change(m_rows);
        const std::optional<SaveFailure> failure = Полностью_обновить_таблицу_рекордов(path);
        if (!failure)
            return;
        failures.append(
            QStringLiteral("%1\n(%2)").arg(QDir::toNativeSeparators(path), failure->reason));
        // Only a place that cannot be written at all sends the table on to the next: a file that
        // could not be replaced where the table lives is told, and the table stays there.
        if (!failure->placeUnwritable)
            break;
    }
    m_platform.showMessage(QStringLiteral("Не удалось записать таблицу рекордов в файл\n%1\n\n"
                                          "Рекорды сохранятся только до выхода из игры.")
                               .arg(failures.join(QStringLiteral("\n\n"))),
                           QStringLiteral("Ошибка"), Platform::Icon::Critical);
}

std::optional<SaveFailure> RecordTable::Полностью_обновить_таблицу_рекордов(const QString &path)
{
    Корректировать_массивы_запись_и_шифровка();
    Вывести_таблицу_рекордов_в_TextBox();
    return Записать_таблицу_рекордов_в_файл(path);
}

void RecordTable::Корректировать_массивы_запись_и_шифровка()
{
    Шифрованные_строки = fileBytes(m_rows);
}

void RecordTable::Вывести_таблицу_рекордов_в_TextBox()
{
    Таблица_рекордов = tableText(m_rows);
    emit textChanged();
}

std::optional<SaveFailure> RecordTable::Записать_таблицу_рекордов_в_файл(const QString &path)
{
    std::optional<SaveFailure> failure = saveRecordFile(path, Шифрованные_строки);
    if (!failure)
        m_lastKnown = Шифрованные_строки;
    return failure;
}
