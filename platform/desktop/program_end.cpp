#include "platform/program_end.h"

void tellProgramEnded() { }
