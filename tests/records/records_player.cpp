// One copy of the game's table of best results in a process of its own, driven line by line from
// its standard input, so that tests can run several copies against one folder:
//   win POINTS  a game won with POINTS; when asked for a name, the next line is the answer
//   clear       the panel's "Очистить"
// It prints "name?" when it asks, "box TITLE: TEXT" for each message, and, once read at start and
// after each command, "table " and the panel's text with its lines joined by "|". Its argument is
// the program's folder; the player's data folder is the one the game itself would use.

#include "game/rules.h"
#include "platform/platform.h"
#include "records/record_file.h"
#include "records/record_table.h"
#include "records/records_panel.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

void say(const QString &line)
{
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

class LinePlatform : public Platform
{
public:
    explicit LinePlatform(const QString &programFolder)
        : folder(programFolder)
    { }

    void showMessage(const QString &text, const QString &title, Icon,
                     std::function<void()> closed) override
    {
        say(QStringLiteral("box %1: %2").arg(title, QString(text).replace(u'\n', u' ')));
        if (closed)
            closed();
    }
    void askText(const QString &, const QString &, const QString &,
                 std::function<void(const QString &)> answered) override
    {
        say(QStringLiteral("name?"));
        std::string answer;
        std::getline(std::cin, answer);
        answered(QString::fromStdString(answer));
    }
    QString programDirectory() const override { return folder; }
    QString playerDataDirectory() const override { return playerDataFolder(); }
    float nextRandom() override { return 0; }
    qint64 clockMilliseconds() const override { return 0; }
    // Files on a disk are kept already.
    std::optional<QString> keepFiles(std::function<void(const QString &)>) override
    {
        return std::nullopt;
    }

private:
    const QString folder;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    // The game's own name, which names its data folder.
    QCoreApplication::setApplicationName(QStringLiteral("Varn"));
    LinePlatform platform(QString::fromLocal8Bit(argv[1]));
    RecordTable table(platform, kBestResult);
    RecordsPanel panel(table);
    const auto sayTable = [&table] {
        say(QStringLiteral("table ")
            + QString(table.text()).replace(QStringLiteral("\r\n"), QStringLiteral("|")));
    };
    // The table's part of a game's end: a result that qualifies is asked a name and entered.
    const auto win = [&table, &platform](qint16 points) {
        if (!table.qualifies(points))
            return;
        platform.askText({}, {}, table.lastName(), [&table, points](const QString &answer) {
            table.tellIfNotSaved(table.Внести_в_таблицу_новый_рекорд(answer, points));
        });
    };

    table.tellIfNotSaved(table.Чтение_таблицы_рекордов_из_файла());
    sayTable();
    for (std::string command; std::getline(std::cin, command);) {
        const QString line = QString::fromStdString(command);
        if (line.startsWith(QStringLiteral("win ")))
            win(qint16(line.sliced(4).toShort()));
        else if (line == QStringLiteral("clear"))
            panel.Кнопка_очистить_Click();
        else
            return 2;
        sayTable();
    }
    return 0;
}
