#pragma once

#include <QString>

// The first ten characters of a typed name as the table and the file hold them. A character is
// what the player sees as one: a letter with its accents, an emoji of several code points, a
// line break of CR LF. One the code page can hold stays (its accents that the code page lacks are
// dropped), any other becomes "?", and tabs, line breaks and other control characters become
// spaces so the table keeps its ten lines.
QString storableName(const QString &typed);
