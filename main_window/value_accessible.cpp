// The status column's value labels as read-only text for a screen reader.
#include "main_window/value_accessible.h"

ValueAccessible::ValueAccessible(QWidget *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{ }

void *ValueAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ValueAccessible::text(int startOffset, int endOffset) const
{
    return text(QAccessible::Name).mid(startOffset, endOffset - startOffset);
}

int ValueAccessible::characterCount() const
{
    return int(text(QAccessible::Name).size());
}

QString ValueAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One run of plain text, without attributes, covers the whole label.
    *startOffset = offset < 0 || offset > characterCount() ? -1 : 0;
    *endOffset = *startOffset < 0 ? -1 : characterCount();
    return {};
}

void ValueAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}
