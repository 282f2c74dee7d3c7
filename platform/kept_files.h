#pragma once

#include <QString>
#include <functional>
#include <optional>

// Platform::keepFiles as this platform does it (platform.h).
std::optional<QString>
keepProgramFiles(const std::function<void(const QString &reason)> &failedLater);
