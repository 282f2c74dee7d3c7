#include "main_window/status_column.h"

#include "game/game.h"
#include "main_window/layout.h"

#include <algorithm>
#include <string_view>

namespace {

// The web's standard library has no ranges.
template<typename Matches> const layout::StatusLabel &entryWhere(Matches matches)
{
    return *std::find_if(layout::kStatusLabels.begin(), layout::kStatusLabels.end(), matches);
}

const layout::StatusLabel &entryNamed(std::string_view name)
{
    return entryWhere([name](const layout::StatusLabel &entry) { return entry.name == name; });
}

// A value label shares its tooltip with the caption above it.
QString captionOf(const layout::StatusLabel &value)
{
    return QString::fromUtf8(entryWhere([&value](const layout::StatusLabel &entry) {
                                 return entry.caption && entry.toolTip == value.toolTip;
                             }).caption);
}

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

// The region the value labels cover, where this widget takes the mouse.
QRegion valuesRegion()
{
    QRegion values;
    for (const layout::StatusLabel &entry : layout::kStatusLabels)
        values += entry.caption ? QRect() : entry.place;
    return values;
}

} // namespace

// The captions on the surface, and this widget with the values over them, so that each value
// label covers the bottom of the caption above it. The labels are made back to front.
StatusColumn::StatusColumn(QWidget &surface)
    : QWidget(&surface)
{
    for (const layout::StatusLabel &entry : layout::kStatusLabels) {
        if (entry.caption)
            makeLabel(surface, entry, QPoint());
    }
    raise();
    const QRegion values = valuesRegion();
    const QPoint origin = values.boundingRect().topLeft();
    setGeometry(values.boundingRect());
    // Only the values take the mouse: the captions between them keep their tooltips.
    setMask(values.translated(-origin));
    // In the order a screen reader reads them.
    const auto value = [this, origin](const char *name) {
        const layout::StatusLabel &entry = entryNamed(name);
        const Value made {makeLabel(*this, entry, origin), captionOf(entry)};
        made.label->setAccessibleName(made.caption);
        return made;
    };
    lblLead = value("lblLead");
    lblFox = value("lblFox");
    lblTime = value("lblTime");
    lblPoint = value("lblPoint");
}

void StatusColumn::showValues(const StatusCaptions &captions)
{
    showValue(lblLead, captions.lblLead);
    showValue(lblFox, captions.lblFox);
    showValue(lblTime, captions.lblTime);
    showValue(lblPoint, captions.lblPoint);
}

// Setting the name tells assistive technology of the change, when any listens.
void StatusColumn::showValue(Value &value, const QString &text)
{
    if (value.label->text() == text)
        return;
    value.label->setText(text);
    value.label->setAccessibleName(text.isEmpty() ? value.caption
                                                  : value.caption + QStringLiteral(": ") + text);
}
