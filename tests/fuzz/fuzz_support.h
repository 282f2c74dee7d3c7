#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// A broken property stops the fuzzer, which keeps the input that broke it.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// One folder for the whole run: creating one per input would cost more than the read itself.
inline const QString &fuzzFolder()
{
    static const QTemporaryDir directory;
    static const QString path = directory.path();
    require(directory.isValid(), "no temporary folder");
    return path;
}
