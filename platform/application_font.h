#pragma once

// Makes the application's font, in which the boxes, the name box and the buttons are written, one
// the platform draws whole, Latin and Cyrillic in one face; where the platform brings no fonts of
// its own, as a browser page does, it first makes known the fonts compiled into the program.
void chooseApplicationFont();
