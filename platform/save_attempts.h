// How often, and with what pause, a save tries to replace the file on this system.
#pragma once

#include "platform/platform.h"

// Platform::saveAttempts as this system needs it (platform.h says why).
SaveAttempts systemSaveAttempts();
