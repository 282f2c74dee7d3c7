#include "commands/about_texts.h"

#include "version.h"

#include <QStringList>

AboutTexts aboutTexts()
{
    // The third part of the file version is not shown: 1.10.0.12 reads "Версия 1.10.12".
    const QString version = QStringLiteral("Версия %1.%2.%3")
                                .arg(kVersionMajor)
                                .arg(kVersionMinor)
                                .arg(kVersionRevision);
    const QStringList description = {
        QStringLiteral("2025–2026"),
        QStringLiteral("Команда «Зарнак»"),
        QStringLiteral("Новосибирск, Россия"),
        QStringLiteral("zarnak@example.org"),
    };
    return {
        QString::fromUtf8(kApplicationTitle),
        version,
        description.join(u'\n'),
        QStringLiteral("Программа распространяется бесплатно, «как есть», без каких-либо "
                       "гарантий. Её можно свободно копировать и дарить друзьям."),
    };
}
