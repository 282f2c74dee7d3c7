#include "main_window/status_column.h"

#include "game/game.h"
#include "main_window/layout.h"

#include <QAccessibleWidget>

namespace {

QLabel *makeLabel(QWidget &parent, const layout::StatusLabel &entry, QPoint origin)
{
    auto *label = new QLabel(&parent);
    label->setObjectName(QString::fromUtf8(entry.name));
    label->setGeometry(entry.place.translated(-origin));
    label->setToolTip(QString::fromUtf8(entry.toolTip));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
    if (entry.caption) {
        label->setText(QString::fromUtf8(entry.caption));
        colours.setColor(QPalette::Window, layout::kFace);
    } else {
        colours.setColor(QPalette::Window, layout::kValueBackground);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setFont(pixelFont(layout::kValueFont));
    }
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    return label;
}

// A value label shares its tooltip with the caption above it.
QString captionOf(const QLabel &value)
{
    for (const layout::StatusLabel &entry : layout::kStatusLabels) {
        if (entry.caption && value.toolTip() == QString::fromUtf8(entry.toolTip))
            return QString::fromUtf8(entry.caption);
    }
    return {};
}

// Setting the name tells assistive technology of the change, when any listens.
void showValue(QLabel *label, const QString &value)
{
    if (label->text() == value)
        return;
    label->setText(value);
    const QString caption = captionOf(*label);
    label->setAccessibleName(value.isEmpty() ? caption : caption + QStringLiteral(": ") + value);
}

QAccessibleInterface *statusBar(const QString &className, QObject *object)
{
    if (className == QLatin1StringView("StatusColumn") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    return nullptr;
}

} // namespace

// The captions on the surface, and this widget with the values over them, so that each value
// label covers the bottom of the caption above it.
StatusColumn::StatusColumn(QWidget &surface)
    : QWidget(&surface)
{
    for (const layout::StatusLabel &entry : layout::kStatusLabels) {
        if (entry.caption)
            makeLabel(surface, entry, QPoint());
    }
    raise();
    QRegion values;
    for (const layout::StatusLabel &entry : layout::kStatusLabels)
        values += entry.caption ? QRect() : entry.place;
    const QPoint origin = values.boundingRect().topLeft();
    setGeometry(values.boundingRect());
    // Only the values take the mouse: the captions between them keep their tooltips.
    setMask(values.translated(-origin));
    for (const layout::StatusLabel &entry : layout::kStatusLabels) {
        if (!entry.caption)
            makeLabel(*this, entry, origin);
    }
    QAccessible::installFactory(statusBar);
    const auto value = [this](const char *name) {
        return findChild<QLabel *>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    };
    lblLead = value("lblLead");
    lblFox = value("lblFox");
    lblTime = value("lblTime");
    lblPoint = value("lblPoint");
    for (QLabel *label : {lblLead, lblFox, lblTime, lblPoint})
        label->setAccessibleName(captionOf(*label));
}

void StatusColumn::showValues(const StatusCaptions &captions)
{
    showValue(lblLead, captions.lblLead);
    showValue(lblFox, captions.lblFox);
    showValue(lblTime, captions.lblTime);
    showValue(lblPoint, captions.lblPoint);
}
