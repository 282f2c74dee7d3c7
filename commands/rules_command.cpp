#include "commands/rules_command.h"

#include "commands/information_window.h"
#include "platform/platform.h"

#include <QDir>

void Правила_игры_Click(Platform &platform)
{
    const QString path = QDir(platform.programDirectory()).filePath(QStringLiteral("Varn.hlp"));
    if (!Информационное_окно(platform, path, QStringLiteral("Правила игры")))
        platform.showMessage(QStringLiteral("Файл справки не найден"), QStringLiteral("Ошибка"),
                             Platform::Icon::Critical);
}
