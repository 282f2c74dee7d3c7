#include "resources/embedded_fonts.h"

void addEmbeddedFonts() { }
