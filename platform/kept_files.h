#pragma once

#include <QString>
#include <functional>

// Keeps the program's folder beyond this run where the platform does not do so by itself: a
// browser page's folder lives in memory, and is stored in the browser after every change. Files
// on a disk are kept already. False when the platform refuses to keep them; a refusal that comes
// only once the keeping has begun, as a browser's storage may fail when it is full, is given to
// failedLater, with the reason, when it comes.
bool keepFiles(const std::function<void(const QString &reason)> &failedLater);
