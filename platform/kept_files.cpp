#include "platform/kept_files.h"

bool keepFiles()
{
    return true;
}
