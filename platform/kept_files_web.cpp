#include "platform/kept_files.h"

#include <emscripten.h>

// The folder came from the browser's IndexedDB before the program started (stored_files.js);
// what changed goes back there, in the background.
bool keepFiles()
{
    if (EM_ASM_INT({ return Module.varnFilesRefused ? 1 : 0; }))
        return false;
    EM_ASM({ Module.varnKeepFiles(); });
    return true;
}
