// On Windows a save tries again while another program holds the file for a moment.
#include "platform/save_attempts.h"

// About a second in all.
SaveAttempts saveAttempts()
{
    return {25, 40};
}
