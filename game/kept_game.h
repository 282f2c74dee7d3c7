// A game in progress as a line of text, which a browser page keeps through a reload.
#pragma once

#include "game/game.h"

#include <QString>
#include <optional>

// What a page keeps of a game in progress, in its tab, so that a reload brings the game back: the
// game's state, when its stopwatch started, and what the window shows of it. The window keeps no
// game that has ended.
struct KeptGame
{
    GameState state;
    // The stopwatch's clock at the game's first press, in milliseconds.
    qint64 firstPress = 0;
    // The keyboard's frame: its cell, and whether it is shown.
    int cursor = 0;
    bool cursorShown = false;
    bool panelOnScreen = false;
    bool panelTakesPresses = true;
};

QString keptGameText(const KeptGame &game);
// nullopt for a text that holds no game in progress.
std::optional<KeptGame> keptGameFromText(const QString &text);
