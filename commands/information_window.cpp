#include "commands/information_window.h"

#include "platform/platform.h"
#include "records/windows1251.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

constexpr qsizetype kMaxLines = 25;
// The rules fill under a kilobyte and a box cannot show more than a screen, so a megabyte, for the
// whole file and so for any one line of it, is far beyond any real text yet read in a blink; a
// larger file, or one that never ends, is refused after that much instead of being read whole.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

QByteArray withoutCarriageReturn(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

bool Информационное_окно(Platform &platform, const QString &path, const QString &title)
{
    // Checked before opening: opening a pipe waits for a writer, and a device never ends.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    // And again on what was opened, should something else have taken the file's place meanwhile.
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return false;
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes)
        return false;
    file.close();
    QList<QByteArray> fileLines = bytes.split('\n');
    // The end of the last line is not the start of another.
    if (fileLines.constLast().isEmpty())
        fileLines.removeLast();
    if (fileLines.size() > kMaxLines)
        return false;
    QStringList lines;
    for (const QByteArray &line : fileLines)
        lines.append(fromWindows1251(withoutCarriageReturn(line)));

    // A line feed, not the carriage return of the old box: a Windows message box shows a lone
    // carriage return as nothing, and would run the rules together into one paragraph.
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    platform.showMessage(text, title, Platform::Icon::Information);
    return true;
}
