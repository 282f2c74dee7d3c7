#include "records/typed_name.h"

#include "records/record_line.h"
#include "records/windows1251.h"

#include <QList>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

bool isLineBreakOrControl(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

bool fitsCodePage(char32_t codePoint)
{
    if (QChar::requiresSurrogates(codePoint))
        return false;
    const QString character {QChar(char16_t(codePoint))};
    return fromWindows1251(toWindows1251(character)) == character;
}

QChar storedCharacter(QStringView cluster)
{
    const QList<uint> codePoints = cluster.toUcs4();
    const char32_t base = codePoints.first();
    if (isLineBreakOrControl(base))
        return u' ';
    const bool onlyAccentsFollow
        = std::all_of(codePoints.begin() + 1, codePoints.end(),
                      [](uint codePoint) { return QChar::isMark(codePoint); });
    return onlyAccentsFollow && fitsCodePage(base) ? QChar(char16_t(base)) : QChar(u'?');
}

} // namespace

QString storableName(const QString &typed)
{
    // Composed form first, so that a letter typed as a base and an accent finds its code.
    const QString text = typed.normalized(QString::NormalizationForm_C);
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    QString name;
    qsizetype start = 0;
    while (name.size() < kNameLength && clusters.toNextBoundary() != -1) {
        const qsizetype end = clusters.position();
        name.append(storedCharacter(QStringView(text).sliced(start, end - start)));
        start = end;
    }
    return name;
}
