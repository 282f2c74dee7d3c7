#include "records/record_table.h"

#include "platform/platform.h"
#include "records/record_file.h"
#include "records/record_storage.h"
#include "records/typed_name.h"

RecordTable::RecordTable(Platform &platform, qint16 bestPossible)
    : m_platform(platform)
    , m_bestPossible(bestPossible)
{ }

void RecordTable::Чтение_таблицы_рекордов_из_файла(const Then &then)
{
    Изменить_таблицу([](const RecordRows &rows) { return rows; }, then);
}

void RecordTable::Очистить_таблицу_рекордов(const Then &then)
{
    Изменить_таблицу([](const RecordRows &) { return RecordRows(); }, then);
}

bool RecordTable::Внести_в_таблицу_новый_рекорд(qint16 очки, const Then &then)
{
    // Another copy of the game may have filled the table since this one last looked.
    Взять_таблицу_из_файла(RecordStorage(m_platform));
    if (!qualifies(m_rows, очки))
        return false;
    // Asked before the lock is taken: the player may keep the box open for as long as they like.
    m_platform.askText(
        QStringLiteral("Введите Ваше имя (не более 10-и символов)"), QStringLiteral("Ввод"),
        Последнее_имя,
        [this, очки, then](const QString &answer) { enterResult(answer, очки, then); });
    return true;
}

void RecordTable::enterResult(const QString &answer, qint16 очки, const Then &then)
{
    // Held as the file will hold it, so the panel and the next default show what was saved.
    Последнее_имя = storableName(answer);
    RecordRow result {Последнее_имя.leftJustified(kNameLength), очки};
    if (result.name == RecordRow().name)
        result.name = QStringLiteral("Anonymous ");
    // Judged again on the file's table: a result that no longer beats its tenth row leaves it as
    // it is.
    Изменить_таблицу([&result](const RecordRows &rows) { return withResult(rows, result); }, then);
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

void RecordTable::Изменить_таблицу(const Change &change, const Then &then)
{
    RecordStorage storage(m_platform);
    storage.tellLateFailuresTo([this](const QString &failure) { tellSaveFailed(failure, {}); });
    Взять_таблицу_из_файла(storage);
    m_rows = change(m_rows);
    const std::optional<QString> failure = Полностью_обновить_таблицу_рекордов(storage);
    if (!failure) {
        if (then)
            then();
        return;
    }
    tellSaveFailed(*failure, then);
}

void RecordTable::tellSaveFailed(const QString &failure, const Then &then)
{
    m_platform.showMessage(QStringLiteral("Не удалось записать таблицу рекордов в файл\n%1\n\n"
                                          "Рекорды сохранятся только до выхода из игры.")
                               .arg(failure),
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
