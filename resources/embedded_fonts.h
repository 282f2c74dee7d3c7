#pragma once

// Makes the fonts compiled into the program known where the platform brings none of its own, as
// in a browser page; elsewhere the system's fonts serve.
void addEmbeddedFonts();
