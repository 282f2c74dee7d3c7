#include "resources/qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

bool installQtTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/translations/qtbase_ru.qm"))
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
