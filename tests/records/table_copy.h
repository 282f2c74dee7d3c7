#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTest>

// A copy of the table in a process of its own (records_player), spoken to line by line.
class TableCopy
{
public:
    // program: the command and arguments that start records_player, or something that runs it.
    TableCopy(const QStringList &program, const QProcessEnvironment &environment)
    {
        process.setProcessEnvironment(environment);
        process.start(program.constFirst(), program.sliced(1));
    }
    ~TableCopy()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(10'000))
            process.kill();
        process.waitForFinished();
    }

    void send(const QString &line) { process.write((line + u'\n').toUtf8()); }
    // The next line it prints, or an empty string if none comes.
    QString nextLine()
    {
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(10'000))
                return {};
        }
        // Windows writes text to a pipe with CR LF.
        QString line = QString::fromUtf8(process.readLine()).chopped(1);
        if (line.endsWith(u'\r'))
            line.chop(1);
        return line;
    }
    // The panel's text it printed after the command, every line before it collected in seen.
    QString table()
    {
        for (QString line = nextLine(); !line.isEmpty(); line = nextLine()) {
            if (line.startsWith(QStringLiteral("table ")))
                return line.sliced(6).replace(u'|', QStringLiteral("\r\n"));
            seen.append(line);
        }
        return QStringLiteral("(no table: %1)")
            .arg(QString::fromLocal8Bit(process.readAllStandardError()));
    }

    QProcess process;
    QStringList seen;
};
