#pragma once

class QWidget;

// Keeps a window in the middle of a browser page, its screen, when the page changes its size, as
// when a phone is turned; and every window's picture on the page whole (whole_pictures.h).
void settleInPage(QWidget &window);
