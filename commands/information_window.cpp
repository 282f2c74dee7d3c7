#include "commands/information_window.h"

#include "game/platform.h"
#include "records/windows1251.h"

#include <QFile>
#include <QStringList>

namespace {

constexpr qsizetype kMaxLines = 25;
// A longer run without a line end counts as a line of its own, so a binary or huge file fails at
// its 26th piece instead of being read whole.
constexpr qint64 kMaxLineBytes = 4096;

QByteArray withoutLineEnd(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

bool Информационное_окно(Platform &platform, const QString &path, const QString &title)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringList lines;
    while (!file.atEnd()) {
        if (lines.size() == kMaxLines)
            return false;
        const QByteArray line = file.readLine(kMaxLineBytes);
        if (file.error() != QFileDevice::NoError)
            return false;
        lines.append(fromWindows1251(withoutLineEnd(line)));
    }
    file.close();

    // A line feed, not the carriage return of the old box: a Windows message box shows a lone
    // carriage return as nothing, and would run the rules together into one paragraph.
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    platform.showMessage(text, title, Platform::Icon::Information);
    return true;
}
