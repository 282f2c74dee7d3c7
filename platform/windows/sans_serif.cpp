// On Windows the windows' sans serif is MS Sans Serif, as they were laid out for.
#include "platform/sans_serif.h"

QStringList sansSerifFamilies()
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Liberation Sans")};
}
