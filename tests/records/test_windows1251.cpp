#include "records/windows1251.h"

#include <QProcess>
#include <QStringDecoder>
#include <QTest>

// The codec checked against converters that come with the system, and its answers for what the
// code page lacks.
class Windows1251Test : public QObject
{
    Q_OBJECT

private slots:
    void testAgreesWithSystemConverter_data();
    void testAgreesWithSystemConverter();
    void testUnassignedByte();
    void testUnmappableCharacters_data();
    void testUnmappableCharacters();
};

namespace {

constexpr unsigned char kUnassigned = 0x98;

// Every byte but the unassigned one, in order.
QByteArray assignedBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        if (b != kUnassigned)
            bytes.append(char(b));
    return bytes;
}

// Qt's converter when it is built with ICU, else iconv; a null string when neither is here.
QString decodeWithSystem(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1251");
    if (decoder.isValid())
        return decoder.decode(bytes);
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"),
                {QStringLiteral("-f"), QStringLiteral("WINDOWS-1251"), QStringLiteral("-t"),
                 QStringLiteral("UTF-8")});
    if (!iconv.waitForStarted())
        return {};
    iconv.write(bytes);
    iconv.closeWriteChannel();
    if (!iconv.waitForFinished() || iconv.exitCode() != 0)
        return {};
    return QString::fromUtf8(iconv.readAllStandardOutput());
}

} // namespace

void Windows1251Test::testAgreesWithSystemConverter_data()
{
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<QString>("character");
    const QByteArray bytes = assignedBytes();
    const QString reference = decodeWithSystem(bytes);
    if (reference.isNull())
        QSKIP("No Windows-1251 converter on this system to compare with");
    QCOMPARE(reference.size(), bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        QTest::addRow("byte 0x%02x", static_cast<unsigned char>(bytes[i]))
            << bytes.sliced(i, 1) << QString(reference[i]);
}

// Every assigned byte decodes as the system's converter decodes it and encodes back to itself.
void Windows1251Test::testAgreesWithSystemConverter()
{
    QFETCH(QByteArray, byte);
    QFETCH(QString, character);
    QCOMPARE(fromWindows1251(byte), character);
    QCOMPARE(toWindows1251(character), byte);
}

void Windows1251Test::testUnassignedByte()
{
    // The byte with no character round-trips, so a file holding it is written back unchanged.
    QCOMPARE(fromWindows1251(QByteArray(1, char(kUnassigned))), QString(QChar(0x0098)));
    QCOMPARE(toWindows1251(QString(QChar(0x0098))), QByteArray(1, char(kUnassigned)));
    QCOMPARE(toWindows1251(QString(QChar(0xFFFD))), QByteArray("?"));
}

void Windows1251Test::testUnmappableCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("emoji is one question mark") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("Chinese") << QStringLiteral("李小龙") << QByteArray("???");
    QTest::newRow("Latin letter with accent") << QStringLiteral("é") << QByteArray("?");
    QTest::newRow("lone surrogate") << QString(QChar(0xD83D)) + u'x' << QByteArray("?x");
    QTest::newRow("Cyrillic and signs kept")
        << QStringLiteral("Ёё№ Яя") << QByteArray("\xA8\xB8\xB9 \xDF\xFF");
}

// A character the code page cannot hold becomes one '?', whatever its length in UTF-16.
void Windows1251Test::testUnmappableCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toWindows1251(text), bytes);
}

QTEST_GUILESS_MAIN(Windows1251Test)
#include "test_windows1251.moc"
