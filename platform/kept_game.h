// Where a browser page keeps its game in progress through a reload, a freeze and a discard.
#pragma once

#include <QString>
#include <functional>

// A browser reloads a page, and freezes or discards a tab hidden for a while, and the game lives in
// the program's memory: a page keeps its game's text in the tab's session storage, which a reload
// and a restored tab find again, each tab its own, and a closed tab forgets. A desktop's game ends
// with its window, as it always has: nothing is kept, and nothing is found.

// The text this tab kept before the page was last left; empty when none.
QString keptGame();
// Keeps what text() gives, or forgets the game when it gives an empty text: at each call of the
// function returned, which the caller makes whenever the game changes, and as the page is hidden
// or left. A desktop's function does nothing.
std::function<void()> keepGame(std::function<QString()> text);
