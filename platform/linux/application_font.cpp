#include "platform/application_font.h"

// A Linux desktop's font configuration already answers for every script.
void chooseApplicationFont() { }
