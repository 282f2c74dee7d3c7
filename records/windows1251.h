#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The one codec for the game's files, which hold one byte per character in Windows-1251. Qt
// decodes that code page only when built with ICU, so the program carries its own table.
QString fromWindows1251(QByteArrayView bytes);
// A character the code page cannot hold becomes '?'.
QByteArray toWindows1251(QStringView text);
