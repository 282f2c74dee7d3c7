#include "platform/sans_serif.h"

QStringList sansSerifFamilies()
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Liberation Sans")};
}
