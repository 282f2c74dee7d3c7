// A Linux desktop's fonts and files: its own application font, Liberation Sans for Windows' sans
// serif, and a save tried once.
#include "platform/application_font.h"
#include "platform/sans_serif.h"
#include "platform/save_attempts.h"

// A Linux desktop's font configuration already answers for every script.
void chooseApplicationFont() { }

// MS Sans Serif and Microsoft Sans Serif come with Windows alone; asking fontconfig for a family it
// lacks sends it looking for substitutes, some 8% of the start's processor time.
QStringList sansSerifFamilies()
{
    return {QStringLiteral("Liberation Sans")};
}

// A rename replaces a file even while others read it: a replacement that failed waits for no one.
SaveAttempts systemSaveAttempts()
{
    return {1, 0};
}
