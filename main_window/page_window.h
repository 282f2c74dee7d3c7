#pragma once

class QWidget;

// Keeps a window in the middle of a browser page, its screen, when the page changes its size, as
// when a phone is turned.
void settleInPage(QWidget &window);
