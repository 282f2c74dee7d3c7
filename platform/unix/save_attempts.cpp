#include "platform/save_attempts.h"

// A rename replaces a file even while others read it: a replacement that failed waits for no one.
SaveAttempts saveAttempts()
{
    return {1, 0};
}
