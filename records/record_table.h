#pragma once

#include "records/record_rows.h"

#include <QObject>

class Platform;

// The ten best results, kept in memory and mirrored in Varn.dat beside the executable. Each
// procedure asks, writes and tells around the pure rules of record_rows.h.
class RecordTable : public QObject
{
    Q_OBJECT

public:
    // bestPossible: the most one game can score, so the most the first row may hold.
    RecordTable(Platform &platform, qint16 bestPossible);

    // Once at start: a missing or damaged file becomes the empty table, in silence.
    void Чтение_таблицы_рекордов_из_файла();
    void Очистить_таблицу_рекордов();
    // The file's bytes, the text box's text and the data file, in that order.
    void Полностью_обновить_таблицу_рекордов();
    // Asks for a name and enters the points below every row with as many or more.
    void Внести_в_таблицу_новый_рекорд(qint16 очки);

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
    void Корректировать_массивы_запись_и_шифровка();
    void Вывести_таблицу_рекордов_в_TextBox();
    void Записать_таблицу_рекордов_в_файл();

    Platform &m_platform;
    const qint16 m_bestPossible;
    RecordRows m_rows;
    QByteArray Шифрованные_строки;
};
