#include "records/record_line.h"

#include <algorithm>

QString recordLine(const QString &name, qint16 points)
{
    const QString field = points == 0 ? QString() : QString::number(points);
    return name + field.rightJustified(kPointsLength);
}

int pointsFromField(QStringView field)
{
    // Far above any valid row, and far from overflowing, whatever the field's length.
    constexpr int kCeiling = 32767;
    bool negative = false;
    bool seenSign = false;
    bool seenDigit = false;
    bool inFraction = false;
    bool fractionNonZero = false;
    int whole = 0;
    for (QChar c : field) {
        if (c == u' ')
            continue;
        if ((c == u'-' || c == u'+') && !seenSign && !seenDigit && !inFraction) {
            seenSign = true;
            negative = c == u'-';
        } else if (c == u'.' && !inFraction) {
            inFraction = true;
        } else if (c >= u'0' && c <= u'9') {
            seenDigit = true;
            if (inFraction)
                fractionNonZero = fractionNonZero || c != u'0';
            else
                whole = std::min(whole * 10 + (c.unicode() - u'0'), kCeiling);
        } else {
            break;
        }
    }
    // Rounding down moves a negative number with a fraction one further from zero.
    return negative ? -whole - (fractionNonZero ? 1 : 0) : whole;
}
