#include "platform/page_resize.h"

// A desktop's screen is no page: the player moves the window.
void onPageResized(QWidget &, std::function<void()>) { }
