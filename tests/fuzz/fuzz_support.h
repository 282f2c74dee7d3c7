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

// Puts the fuzzer's bytes in the program's folder under the name the program reads.
inline void writeInput(const QString &fileName, const QByteArray &bytes)
{
    QFile file(QDir(fuzzFolder()).filePath(fileName));
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input file");
    require(file.write(bytes) == bytes.size(), "short write of the input file");
}
