#include "records/record_table.h"

#include "platform/platform.h"
#include "records/record_file.h"
#include "records/record_storage.h"
#include "records/typed_name.h"

RecordTable::RecordTable(Platform &platform, qint16 bestPossible)
    : m_platform(platform)
    , m_bestPossible(bestPossible)
{ }

TableChange RecordTable::Чтение_таблицы_рекордов_из_файла()
{
    return Изменить_таблицу([](const RecordRows &rows) { return rows; });
}

TableChange RecordTable::Очистить_таблицу_рекордов()
{
    return Изменить_таблицу([](const RecordRows &) { return RecordRows(); });
}

bool RecordTable::qualifies(qint16 очки)
{
    Взять_таблицу_из_файла(RecordStorage(m_platform));
    return ::qualifies(m_rows, очки);
}

TableChange RecordTable::Внести_в_таблицу_новый_рекорд(const QString &answer, qint16 очки)
{
    // Held as the file will hold it, so the panel and the next default show what was saved.
    Последнее_имя = storableName(answer);
    RecordRow result {Последнее_имя.leftJustified(kNameLength), очки};
    if (result.name == RecordRow().name)
        result.name = QStringLiteral("Anonymous ");
    return Изменить_таблицу([&result](const RecordRows &rows) { return withResult(rows, result); });
}

void RecordTable::Взять_таблицу_из_файла(const RecordStorage &storage)
{
    const QByteArray bytes = storage.read();
    if (bytes == m_lastKnown)
        return;
    m_lastKnown = bytes;
    const std::optional<RecordRows> read = rowsFromFile(bytes, m_bestPossible);
    Файл_испорчен = !read;
    m_rows = read.value_or(RecordRows());
    Вывести_таблицу_рекордов_в_TextBox();
}

TableChange RecordTable::Изменить_таблицу(const Change &change)
{
    RecordStorage storage(m_platform);
    storage.tellLateFailuresTo(
        [this](const QString &failure) { tellIfNotSaved({false, failure}); });
    Взять_таблицу_из_файла(storage);
    m_rows = change(m_rows);
    return {Файл_испорчен, Полностью_обновить_таблицу_рекордов(storage)};
}

void RecordTable::tellIfNotSaved(const TableChange &change, const Then &then)
{
    if (!change.failure) {
        if (then)
            then();
        return;
    }
    m_platform.showMessage(QStringLiteral("Не удалось записать таблицу рекордов в файл\n%1\n\n"
                                          "Рекорды сохранятся только до выхода из игры.")
                               .arg(*change.failure),
                           QStringLiteral("Ошибка"), Platform::Icon::Critical, then);
}

std::optional<QString> RecordTable::Полностью_обновить_таблицу_рекордов(RecordStorage &storage)
{
    Корректировать_массивы_запись_и_шифровка();
    Вывести_таблицу_рекордов_в_TextBox();
    return Записать_таблицу_рекордов_в_файл(storage);
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

std::optional<QString> RecordTable::Записать_таблицу_рекордов_в_файл(RecordStorage &storage)
{
    std::optional<QString> failure = storage.save(Шифрованные_строки);
    if (!failure)
        m_lastKnown = Шифрованные_строки;
    return failure;
}
