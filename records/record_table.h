#pragma once

#include "records/record_rows.h"

#include <QObject>
#include <functional>
#include <optional>

class Platform;
class RecordStorage;

// What a change of the table came to.
struct TableChange
{
    // The file the change started from was missing or damaged, so the table was emptied first.
    bool Файл_испорчен = false;
    // What to tell the player when the changed table could not be saved; none when it was.
    std::optional<QString> failure;
};

// The ten best results, kept in Varn.dat (record_storage.h says where). Other copies of the game
// may change the file at any time, so every change is made under their common lock on the table
// the file holds at that moment. Each procedure asks, writes and tells around the pure rules of
// record_rows.h.
class RecordTable : public QObject
{
    Q_OBJECT

public:
    // bestPossible: the most one game can score, so the most the first row may hold.
    RecordTable(Platform &platform, qint16 bestPossible);

    // What runs once a box is closed, or at once when none opens.
    using Then = std::function<void()>;

    // Once at start: a missing or damaged file becomes the empty table, in silence.
    TableChange Чтение_таблицы_рекордов_из_файла();
    // Empties the table and saves it.
    TableChange Очистить_таблицу_рекордов();
    // Whether the points still beat the tenth row of the table the file holds now: another copy
    // of the game may have filled it since this one last looked.
    bool qualifies(qint16 очки);
    // Enters the points under the typed name, below every row with as many or more, and saves.
    // Judged again on the file's table: a result that no longer beats its tenth row leaves it as
    // it is.
    TableChange Внести_в_таблицу_новый_рекорд(const QString &answer, qint16 очки);
    // The "Ошибка" box when a change could not be saved; then runs once it is closed, or at once.
    void tellIfNotSaved(const TableChange &change, const Then &then = {});

    const RecordRows &rows() const { return m_rows; }
    // The whole text of the panel's text box.
    const QString &text() const { return Таблица_рекордов; }
    // The name typed last, unpadded, for this run only: the default of the next name entry.
    const QString &lastName() const { return Последнее_имя; }
    void forgetLastName() { Последнее_имя.clear(); }

signals:
    // Emitted as soon as the text is rebuilt, before the file is written, so that a box telling
    // of a failed write opens over the new text.
    void textChanged();

private:
    using Change = std::function<RecordRows(const RecordRows &)>;

    // Takes the table that the file holds, unless the file is what this copy last read or wrote:
    // then the table in memory, which may hold changes that could not be saved, stays.
    void Взять_таблицу_из_файла(const RecordStorage &storage);
    // Made on the file's table under its lock; where it cannot be saved, the game goes on with the
    // changed table in memory.
    TableChange Изменить_таблицу(const Change &change);
    // The file's bytes, the text box's text and the data file, in that order; gives what to tell
    // the player when the file could not be written.
    std::optional<QString> Полностью_обновить_таблицу_рекордов(RecordStorage &storage);
    void Корректировать_массивы_запись_и_шифровка();
    void Вывести_таблицу_рекордов_в_TextBox();
    std::optional<QString> Записать_таблицу_рекордов_в_файл(RecordStorage &storage);

    Platform &m_platform;
    const qint16 m_bestPossible;
    RecordRows m_rows;
    bool Файл_испорчен = false;
    QString Последнее_имя;
    QString Таблица_рекордов;
    QByteArray Шифрованные_строки;
    // What this copy last read from the file or wrote to it; none before the first read.
    std::optional<QByteArray> m_lastKnown;
};
