#include "platform/save_attempts.h"

// About a second in all.
SaveAttempts saveAttempts()
{
    return {25, 40};
}
