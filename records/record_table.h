#pragma once

#include "records/record_rows.h"

#include <QObject>
#include <functional>
#include <optional>

class Platform;
class RecordStorage;

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

    // What runs once a procedure is done, the box that tells of a failed save closed included.
    using Then = std::function<void()>;

    // Once at start: a missing or damaged file becomes the empty table, in silence.
    void Чтение_таблицы_рекордов_из_файла(const Then &then = {});
    // Empties the table and saves it.
    void Очистить_таблицу_рекордов(const Then &then = {});
    // Asks for a name, if the points still beat the tenth row of the file's table, and enters them
    // below every row with as many or more; then runs once the result is entered. Gives whether
    // the player is asked.
    bool Внести_в_таблицу_новый_рекорд(qint16 очки, const Then &then = {});

    const RecordRows &rows() const { return m_rows; }

    bool Файл_испорчен = false;
    // The name typed last, unpadded: the default of the next name entry.
    QString Последнее_имя;
    // The whole text of the panel's text box.
    QString Таблица_рекордов;

signals:
    // Emitted as soon as the text is rebuilt, before the file is written, so that a box telling
    // of a failed write opens over the new text.
    void textChanged();

private:
    using Change = std::function<RecordRows(const RecordRows &)>;

    // The rest of a result's entry, once the player has answered.
    void enterResult(const QString &answer, qint16 очки, const Then &then);
    // Takes the table that the file holds, unless the file is what this copy last read or wrote:
    // then the table in memory, which may hold changes that could not be saved, stays.
    void Взять_таблицу_из_файла(const RecordStorage &storage);
    // Made on the file's table under its lock; where it cannot be saved, the game goes on with the
    // changed table in memory and the player is told.
    void Изменить_таблицу(const Change &change, const Then &then);
    // The "Ошибка" box that tells the player the table is kept only until the game is closed.
    void tellSaveFailed(const QString &failure, const Then &then);
    // The file's bytes, the text box's text and the data file, in that order; gives what to tell
    // the player when the file could not be written.
    std::optional<QString> Полностью_обновить_таблицу_рекордов(RecordStorage &storage);
    void Корректировать_массивы_запись_и_шифровка();
    void Вывести_таблицу_рекордов_в_TextBox();
    std::optional<QString> Записать_таблицу_рекордов_в_файл(RecordStorage &storage);

    Platform &m_platform;
    const qint16 m_bestPossible;
    RecordRows m_rows;
    QByteArray Шифрованные_строки;
    // What this copy last read from the file or wrote to it; none before the first read.
    std::optional<QByteArray> m_lastKnown;
};
