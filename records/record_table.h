#pragma once

#include <QByteArray>
#include <QString>
#include <array>

class Platform;

// The ten best results, kept in memory and mirrored, lightly enciphered, in Varn.dat beside the
// executable. Rows 1 to 10 hold the table, best first. Row 11 holds a candidate while a result is
// entered and afterwards the row that dropped out; row 0 is the work row of the exchanges.
class RecordTable
{
public:
    explicit RecordTable(Platform &platform);

    // Once at start: a missing or damaged file becomes the empty table, in silence.
    void Чтение_таблицы_рекордов_из_файла();
    void Очистить_таблицу_рекордов();
    // Record lines, the text box's text and the data file, in that order.
    void Полностью_обновить_таблицу_рекордов();
    // Asks for a name and enters the points below every row with as many or more.
    void Внести_в_таблицу_новый_рекорд(qint16 очки);

    std::array<QString, 12> Имена_рекордов;
    std::array<qint16, 12> Очки_рекордов {};
    std::array<QString, 11> Строки_рекордов;
    std::array<QByteArray, 11> Шифрованные_строки;
    bool Файл_испорчен = false;
    // The name typed last, unpadded: the default of the next name entry.
    QString Последнее_имя;
    // The whole text of the panel's text box.
    QString Таблица_рекордов;

private:
    void Корректировать_массивы_запись_и_шифровка();
    void Вывести_таблицу_рекордов_в_TextBox();
    void Записать_таблицу_рекордов_в_файл();

    Platform &platform;
};
