// Saves the two alternating tables into the folder given as its argument, over and over, until it
// is killed. It says "saving" once the first save has completed.

#include "alternating_tables.h"

#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const QString path = recordFilePath(QString::fromLocal8Bit(argv[1]));
    const QByteArray tables[] = {fileBytes(kFirstTable), fileBytes(kSecondTable)};

    // A test that dies without killing it must not leave it running for ever.
    constexpr qint64 kLifetimeMs = 30'000;
    QElapsedTimer lifetime;
    lifetime.start();
    for (qint64 saves = 0; lifetime.elapsed() < kLifetimeMs; ++saves) {
        if (saveRecordFile(path, tables[saves % 2]))
            return 1;
        if (saves == 0) {
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}
