#include "resources/fonts.h"

#include "platform/application_font.h"
#include "platform/sans_serif.h"

#include <QStringList>

namespace {

QStringList families(FontStyle::Family family)
{
    switch (family) {
    case FontStyle::Family::SansSerif:
        return sansSerifFamilies();
    case FontStyle::Family::Arial:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    case FontStyle::Family::CourierNew:
        return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")};
    case FontStyle::Family::TimesNewRoman:
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
    }
    return {};
}

} // namespace

void chooseApplicationFontOnce()
{
    [[maybe_unused]] static const bool fontChosen = (chooseApplicationFont(), true);
}

QFont pixelFont(const FontStyle &style)
{
    chooseApplicationFontOnce();
    QFont font;
    font.setFamilies(families(style.family));
    if (style.family == FontStyle::Family::CourierNew)
        font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(style.pixels);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}
