#include "records/record_table.h"

#include "platform/platform.h"
#include "records/record_file.h"
#include "records/typed_name.h"

#include <QDir>

RecordTable::RecordTable(Platform &platform, qint16 bestPossible)
    : m_platform(platform)
    , m_bestPossible(bestPossible)
{ }

// An unreadable file counts as a damaged one: the table starts empty either way.
void RecordTable::Чтение_таблицы_рекордов_из_файла()
{
    const std::optional<RecordRows> read = rowsFromFile(
        readRecordFile(recordFilePath(m_platform.programDirectory())), m_bestPossible);
    Файл_испорчен = !read;
    if (Файл_испорчен)
        Очистить_таблицу_рекордов();
    else
        m_rows = *read;
    Полностью_обновить_таблицу_рекордов();
}

void RecordTable::Очистить_таблицу_рекордов()
{
    m_rows = {};
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
        = m_platform.askText(QStringLiteral("Введите Ваше имя (не более 10-и символов)"),
                             QStringLiteral("Ввод"), Последнее_имя);
    // Held as the file will hold it, so the panel and the next default show what was saved.
    Последнее_имя = storableName(answer);
    RecordRow result {Последнее_имя.leftJustified(kNameLength), очки};
    if (result.name == RecordRow().name)
        result.name = QStringLiteral("Anonymous ");
    m_rows = withResult(m_rows, result);
    Полностью_обновить_таблицу_рекордов();
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

// When the file cannot be written the game goes on with the table in memory, and the player is
// told.
void RecordTable::Записать_таблицу_рекордов_в_файл()
{
    const QString path = recordFilePath(m_platform.programDirectory());
    const std::optional<QString> failure = saveRecordFile(path, Шифрованные_строки);
    if (!failure)
        return;
    m_platform.showMessage(
        QStringLiteral("Не удалось записать таблицу рекордов в файл\n%1\n(%2)\n\n"
                       "Рекорды сохранятся только до выхода из игры.")
            .arg(QDir::toNativeSeparators(path), *failure),
        QStringLiteral("Ошибка"), Platform::Icon::Critical);
}
