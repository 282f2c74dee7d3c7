// A game in progress written as one line of named numbers, and read back only whole and sound.
#include "game/kept_game.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace {

using Cells = std::array<bool, kCellCount>;

// The names, in the order they are written; the last three are the cells, four to a hex digit.
const QStringList kNames {"points", "seconds", "moves", "found", "pressed", "firstPress",
                          "cursor", "framed",  "panel", "foxes", "opened",  "flags"};
constexpr int kDigits = kCellCount / 4;

// The panel: 0 closed, 1 open with the cells taking no presses, 2 open after a new game.
int panelCode(const KeptGame &game)
{
    return !game.panelOnScreen ? 0 : game.panelTakesPresses ? 2 : 1;
}

QString cellsText(const Cells &cells)
{
    QString text;
    for (int digit = 0; digit < kDigits; ++digit) {
        int value = 0;
        for (int bit = 0; bit < 4; ++bit)
            value |= cells[digit * 4 + bit] << bit;
        text += QString::number(value, 16);
    }
    return text;
}

std::optional<Cells> cellsFrom(const QString &text)
{
    Cells cells {};
    if (text.size() != kDigits)
        return std::nullopt;
    for (int digit = 0; digit < kDigits; ++digit) {
        bool ok = false;
        const int value = QString(text[digit]).toInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        for (int bit = 0; bit < 4; ++bit)
            cells[digit * 4 + bit] = value >> bit & 1;
    }
    return cells;
}

int count(const Cells &cells)
{
    return int(std::count(cells.begin(), cells.end(), true));
}

} // namespace

QString keptGameText(const KeptGame &game)
{
    const GameState &s = game.state;
    const QStringList values {QString::number(s.Очки),
                              QString::number(s.Секунды),
                              QString::number(s.Ходы),
                              QString::number(s.Найдено_лис),
                              QString::number(!s.Первый_ход),
                              QString::number(game.firstPress),
                              QString::number(game.cursor),
                              QString::number(game.cursorShown),
                              QString::number(panelCode(game)),
                              cellsText(s.Лисы),
                              cellsText(s.Открытые),
                              cellsText(s.Флаг)};
    QStringList fields;
    for (int i = 0; i < kNames.size(); ++i)
        fields.append(kNames[i] + u'=' + values[i]);
    return fields.join(u' ');
}

std::optional<KeptGame> keptGameFromText(const QString &text)
{
    const QStringList fields = text.split(u' ');
    QHash<QString, QString> values;
    for (const QString &field : fields) {
        const qsizetype equals = field.indexOf(u'=');
        values.insert(field.left(equals), field.mid(equals + 1));
    }
    if (fields.size() != kNames.size() || values.size() != kNames.size())
        return std::nullopt;
    bool sound = true;
    const auto number = [&values, &sound](const char *name, qint64 lowest, qint64 highest) {
        bool ok = false;
        const qint64 value = values.value(QLatin1String(name)).toLongLong(&ok);
        sound = sound && ok && value >= lowest && value <= highest;
        return value;
    };
    KeptGame game;
    GameState &s = game.state;
    s.Очки = qint16(number("points", 0, kStartingPoints));
    s.Секунды = qint16(number("seconds", 0, std::numeric_limits<qint16>::max()));
    s.Ходы = qint16(number("moves", 0, kCellCount));
    s.Найдено_лис = qint16(number("found", 0, kFoxCount - 1));
    s.Первый_ход = !number("pressed", 0, 1);
    game.firstPress = number("firstPress", std::numeric_limits<qint64>::min(),
                             std::numeric_limits<qint64>::max());
    game.cursor = int(number("cursor", 0, kCellCount - 1));
    game.cursorShown = number("framed", 0, 1);
    const qint64 panel = number("panel", 0, 2);
    game.panelOnScreen = panel != 0;
    game.panelTakesPresses = panel != 1;
    const auto foxes = cellsFrom(values.value(QStringLiteral("foxes")));
    const auto opened = cellsFrom(values.value(QStringLiteral("opened")));
    const auto flags = cellsFrom(values.value(QStringLiteral("flags")));
    if (!sound || !foxes || !opened || !flags || count(*foxes) != kFoxCount)
        return std::nullopt;
    s.Лисы = *foxes;
    s.Открытые = *opened;
    s.Флаг = *flags;
    Cells found {};
    std::transform(foxes->begin(), foxes->end(), opened->begin(), found.begin(),
                   std::logical_and<>());
    if (count(found) != s.Найдено_лис)
        return std::nullopt;
    return game;
}
