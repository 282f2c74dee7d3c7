// A desktop's files are kept as they are written.
#include "platform/kept_files.h"

std::optional<QString> keepProgramFiles(const std::function<void(const QString &)> &)
{
    return std::nullopt;
}
