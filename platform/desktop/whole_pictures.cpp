#include "platform/whole_pictures.h"

// A desktop's windows reach the screen as they are painted.
void keepPicturesWhole() { }
