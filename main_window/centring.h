#pragma once

class QWidget;

// Places a window that is about to be shown in the middle of its screen, frame included.
void centreOnScreen(QWidget &window);

// Moves a shown window back to the middle of its screen.
void centreAgain(QWidget &window);
