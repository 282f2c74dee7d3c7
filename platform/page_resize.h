#pragma once

#include <functional>

class QWidget;

// Runs resized whenever the window's screen changes its size under it: a browser page, its
// screen, does so as when a phone is turned. A desktop's window stays where the player has put it.
void onPageResized(QWidget &window, std::function<void()> resized);
