#include "main_window/status_column.h"

#include "game/game.h"
#include "main_window/layout.h"

namespace {

QLabel *makeLabel(QWidget &surface, const layout::StatusLabel &entry)
{
    auto *label = new QLabel(&surface);
    label->setObjectName(QString::fromUtf8(entry.name));
    label->setGeometry(entry.place);
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

} // namespace

// Made back to front, so that each value label covers the bottom of the caption above it.
StatusColumn::StatusColumn(QWidget &surface)
{
    for (const layout::StatusLabel &entry : layout::kStatusLabels)
        makeLabel(surface, entry);
    const auto value = [&surface](const char *name) {
        return surface.findChild<QLabel *>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    };
    lblLead = value("lblLead");
    lblFox = value("lblFox");
    lblTime = value("lblTime");
    lblPoint = value("lblPoint");
    for (QLabel *label : {lblLead, lblFox, lblTime, lblPoint})
        label->setAccessibleName(captionOf(*label));
}

void StatusColumn::show(const StatusCaptions &captions)
{
    showValue(lblLead, captions.lblLead);
    showValue(lblFox, captions.lblFox);
    showValue(lblTime, captions.lblTime);
    showValue(lblPoint, captions.lblPoint);
}
