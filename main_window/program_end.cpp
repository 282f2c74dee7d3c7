#include "main_window/program_end.h"

void tellProgramEnded() { }
