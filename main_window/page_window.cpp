#include "main_window/page_window.h"

// A desktop's window stays where the player has put it.
void settleInPage(QWidget &) { }
