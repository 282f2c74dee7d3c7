#include "main_window/status_column.h"

#include "game/game.h"

namespace {

QLabel *makeLabel(QWidget &surface, const char *name, QRect place, const QString &tooltip,
                  QColor background)
{
    auto *label = new QLabel(&surface);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(place);
    label->setToolTip(tooltip);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    return label;
}

QLabel *makeCaption(QWidget &surface, const char *name, QRect place, const QString &caption,
                    const QString &tooltip)
{
    QLabel *label = makeLabel(surface, name, place, tooltip, QColor(192, 192, 192));
    label->setText(caption);
    return label;
}

QLabel *makeValue(QWidget &surface, const char *name, QRect place, const QString &tooltip)
{
    QLabel *label = makeLabel(surface, name, place, tooltip, QColor(192, 255, 255));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans")});
    font.setPixelSize(13);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

// Made back to front, so that later labels lie in front: each value label covers the bottom of
// the caption above it.
StatusColumn::StatusColumn(QWidget &surface)
{
    const QString moves = QStringLiteral("Количество сделанных ходов");
    const QString foxes = QStringLiteral("Число обнаруженных лис");
    const QString time = QStringLiteral("Затраченное на игру время (в секундах)");
    const QString points = QStringLiteral("Заработанные очки");
    makeCaption(surface, "Label3", {392, 168, 33, 17}, QStringLiteral("Время"), time);
    makeCaption(surface, "Label4", {392, 224, 33, 17}, QStringLiteral("Очки"), points);
    makeCaption(surface, "Label1", {392, 56, 33, 20}, QStringLiteral("Ходы"), moves);
    lblLead = makeValue(surface, "lblLead", {392, 72, 33, 20}, moves);
    makeCaption(surface, "Label2", {392, 112, 33, 17}, QStringLiteral("Лисы"), foxes);
    lblFox = makeValue(surface, "lblFox", {392, 128, 33, 20}, foxes);
    lblTime = makeValue(surface, "lblTime", {392, 184, 33, 20}, time);
    lblPoint = makeValue(surface, "lblPoint", {392, 240, 33, 20}, points);
}

void StatusColumn::show(const Game &game)
{
    lblLead->setText(game.lblLead);
    lblFox->setText(game.lblFox);
    lblTime->setText(game.lblTime);
    lblPoint->setText(game.lblPoint);
}
