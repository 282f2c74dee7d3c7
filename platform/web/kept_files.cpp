#include "platform/kept_files.h"

#include <emscripten.h>
#include <emscripten/bind.h>

namespace {

std::function<void(const QString &)> tellFailure;

void filesNotKept(const std::string &reason)
{
    if (tellFailure)
        tellFailure(QStringLiteral("браузер не сохранил файлы этой страницы: %1")
                        .arg(QString::fromStdString(reason)));
}

} // namespace

// Called by stored_files.js when the browser's store of the folder has failed.
EMSCRIPTEN_BINDINGS(kept_files)
{
    emscripten::function("varnFilesNotKept", &filesNotKept);
}

// The folder came from the browser's IndexedDB before the program started (stored_files.js);
// what changed goes back there, in the background.
std::optional<QString> keepProgramFiles(const std::function<void(const QString &)> &failedLater)
{
    if (EM_ASM_INT({ return Module.varnFilesRefused ? 1 : 0; }))
        return QStringLiteral("браузер не хранит файлы этой страницы");
    tellFailure = failedLater;
    EM_ASM({ Module.varnKeepFiles(); });
    return std::nullopt;
}
