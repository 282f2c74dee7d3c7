#pragma once

// Makes the fonts compiled into the program known, and the application's font one of them, where
// the platform brings none of its own, as in a browser page; elsewhere the system's fonts serve.
void addEmbeddedFonts();
