#include "platform/kept_files.h"

std::optional<QString> keepProgramFiles(const std::function<void(const QString &)> &)
{
    return std::nullopt;
}
