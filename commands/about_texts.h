#pragma once

#include <QString>

// What the about window's load step writes into its labels.
struct AboutTexts
{
    QString title;
    QString version;
    QString description; // four lines joined by "\n"
    QString disclaimer;
};

AboutTexts aboutTexts();
