#pragma once

#include <QString>
#include <QStringView>

// A row of the table as it is stored: the name in ten characters, then the points right-aligned
// in four, blank for 0.
constexpr qsizetype kNameLength = 10;
constexpr qsizetype kPointsLength = 4;
constexpr qsizetype kRecordLineLength = kNameLength + kPointsLength;

QString recordLine(const QString &name, qint16 points);

// Reads the points field of a stored line. Spaces are skipped wherever they stand; an optional
// sign, digits and a fraction make the number, which is rounded down; the first other character
// ends it, and a field without digits reads 0. A sign is honoured so that "-5" reads as a
// negative number and fails the check of the row rather than passing as 5.
int pointsFromField(QStringView field);
