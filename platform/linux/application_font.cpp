// A Linux desktop's application font is the one its font configuration gives.
#include "platform/application_font.h"

// A Linux desktop's font configuration already answers for every script.
void chooseApplicationFont() { }
