#include "platform/light_colours.h"

// A desktop's windows take the colours the desktop gives every program.
void keepLightColours() { }
