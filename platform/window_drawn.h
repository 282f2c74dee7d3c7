// Telling whoever started the program that its window has first been drawn.
#pragma once

class QWidget;

// Tells what started the program once the window has first been drawn, where that shows
// something in its place until then: a browser page shows a picture of the window while the
// program loads. A desktop's window simply appears.
void tellWhenWindowDrawn(QWidget &window);
