#include "main_window/status_column.h"

#include "game/game.h"
#include "main_window/layout.h"

namespace {

QLabel *makeLabel(QWidget &surface, const layout::StatusLabel &spec)
{
    auto *label = new QLabel(&surface);
    label->setObjectName(QString::fromUtf8(spec.name));
    label->setGeometry(spec.place);
    label->setToolTip(QString::fromUtf8(spec.toolTip));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
    if (spec.caption) {
        label->setText(QString::fromUtf8(spec.caption));
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

} // namespace

// Made back to front, so that each value label covers the bottom of the caption above it.
StatusColumn::StatusColumn(QWidget &surface)
{
    for (const layout::StatusLabel &spec : layout::kStatusLabels)
        makeLabel(surface, spec);
    const auto value = [&surface](const char *name) {
        return surface.findChild<QLabel *>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    };
    lblLead = value("lblLead");
    lblFox = value("lblFox");
    lblTime = value("lblTime");
    lblPoint = value("lblPoint");
}

void StatusColumn::show(const StatusCaptions &captions)
{
    lblLead->setText(captions.lblLead);
    lblFox->setText(captions.lblFox);
    lblTime->setText(captions.lblTime);
    lblPoint->setText(captions.lblPoint);
}
