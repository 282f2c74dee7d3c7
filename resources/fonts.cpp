#include "resources/fonts.h"

#include "resources/application_font.h"

#include <QStringList>

namespace {

QStringList families(FontStyle::Family family)
{
    switch (family) {
    case FontStyle::Family::SansSerif:
#ifdef Q_OS_WIN
        return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                QStringLiteral("Liberation Sans")};
#else
        // MS Sans Serif and Microsoft Sans Serif come with Windows alone; asking fontconfig for
        // a family it lacks sends it looking for substitutes, some 8% of the start's processor
        // time.
        return {QStringLiteral("Liberation Sans")};
#endif
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

QFont pixelFont(const FontStyle &style)
{
    // Before the first font is asked for.
    [[maybe_unused]] static const bool fontChosen = (chooseApplicationFont(), true);
    QFont font;
    font.setFamilies(families(style.family));
    if (style.family == FontStyle::Family::CourierNew)
        font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(style.pixels);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}
