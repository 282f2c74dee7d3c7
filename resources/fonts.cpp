#include "resources/fonts.h"

#include <QStringList>

namespace {

QStringList families(FontSpec::Family family)
{
    switch (family) {
    case FontSpec::Family::SansSerif:
#ifdef Q_OS_WIN
        return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                QStringLiteral("Liberation Sans")};
#else
        // MS Sans Serif and Microsoft Sans Serif come with Windows alone; asking fontconfig for
        // a family it lacks sends it looking for substitutes, some 8% of the start's processor
        // time.
        return {QStringLiteral("Liberation Sans")};
#endif
    case FontSpec::Family::Arial:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    case FontSpec::Family::CourierNew:
        return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")};
    case FontSpec::Family::TimesNewRoman:
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
    }
    return {};
}

} // namespace

QFont pixelFont(const FontSpec &spec)
{
    QFont font;
    font.setFamilies(families(spec.family));
    if (spec.family == FontSpec::Family::CourierNew)
        font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(spec.pixels);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}
