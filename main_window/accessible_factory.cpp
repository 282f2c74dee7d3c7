#include "main_window/accessible_factory.h"

#include "main_window/board_accessible.h"
#include "main_window/board_widget.h"
#include "main_window/value_accessible.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1StringView("BoardWidget"))
        return new BoardAccessible(static_cast<BoardWidget *>(object));
    if (className == QLatin1StringView("StatusColumn"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    if (className == QLatin1StringView("QLabel") && object->parent()
        && object->parent()->inherits("StatusColumn"))
        return new ValueAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    QAccessible::installFactory(accessibleFor);
}
