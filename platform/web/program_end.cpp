#include "platform/program_end.h"

#include <emscripten.h>

// A page's program keeps running once its last window closes: the page hears of it by this event.
void tellProgramEnded()
{
    EM_ASM({ window.dispatchEvent(new Event('varn-ended')); });
}
