// A desktop window simply appears: no one waits to hear it was drawn.
#include "platform/window_drawn.h"

void tellWhenWindowDrawn(QWidget &) { }
