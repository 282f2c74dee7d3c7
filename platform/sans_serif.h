#pragma once

#include <QStringList>

// The families the windows' sans serif texts are asked in, first choice first: the platform's own
// where it has them, else the Liberation face with the same metrics.
QStringList sansSerifFamilies();
