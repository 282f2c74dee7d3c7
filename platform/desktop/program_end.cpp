// A desktop's program simply exits.
#include "platform/program_end.h"

void tellProgramEnded() { }
