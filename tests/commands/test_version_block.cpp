#include <QFile>
#include <QTest>
#include <QtEndian>

class VersionBlockTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void testString_data();
    void testString();
    void testNumbers();
    void testTranslation();

private:
    QByteArray compiled;
};

namespace {

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (const QChar character : text) {
        bytes += char(character.unicode() & 0xFF);
        bytes += char(character.unicode() >> 8);
    }
    return bytes;
}

// The value that follows a key in the block: the key and its terminating zero, padding to a
// four-byte boundary, then the value.
QByteArray valueAfter(const QByteArray &block, const QString &key)
{
    const QByteArray keyBytes = utf16le(key) + QByteArray(2, '\0');
    const qsizetype at = block.indexOf(keyBytes);
    if (at < 0)
        return {};
    qsizetype value = at + keyBytes.size();
    while (value % 4 != 0)
        ++value;
    return block.mid(value);
}

} // namespace

void VersionBlockTest::initTestCase()
{
    QFile file(QStringLiteral(VARN_COMPILED_RC));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    compiled = file.readAll();
}

void VersionBlockTest::testString_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("file version") << QStringLiteral("FileVersion") << QStringLiteral("1.10.0012");
    QTest::newRow("product version")
        << QStringLiteral("ProductVersion") << QStringLiteral("1.10.0012");
    QTest::newRow("description, title in straight quotes")
        << QStringLiteral("FileDescription") << QStringLiteral("Игра \"Зарнак\"");
    QTest::newRow("product name") << QStringLiteral("ProductName") << QStringLiteral("Зарнак");
    QTest::newRow("internal name") << QStringLiteral("InternalName") << QStringLiteral("Varn");
    QTest::newRow("original file name")
        << QStringLiteral("OriginalFilename") << QStringLiteral("Varn.exe");
}

void VersionBlockTest::testString()
{
    // The Russian string table of the version block names the game and its version.
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray table = valueAfter(compiled, QStringLiteral("041904B0"));
    QVERIFY(!table.isEmpty());

    QVERIFY2(valueAfter(table, key).startsWith(utf16le(value) + QByteArray(2, '\0')),
             qPrintable(key));
}

void VersionBlockTest::testNumbers()
{
    // The fixed part of the block holds file and product version 1.10.0.12.
    const QByteArray signature("\xBD\x04\xEF\xFE", 4);
    const qsizetype at = compiled.indexOf(signature);
    QVERIFY(at >= 0);
    QVERIFY(compiled.size() >= at + 24);
    const auto word = [&](int index) {
        return qFromLittleEndian<quint32>(compiled.constData() + at + 4 * index);
    };
    const quint32 versionHigh = (1u << 16) | 10u;
    const quint32 versionLow = (0u << 16) | 12u;
    QCOMPARE(word(2), versionHigh);
    QCOMPARE(word(3), versionLow);
    QCOMPARE(word(4), versionHigh);
    QCOMPARE(word(5), versionLow);
}

void VersionBlockTest::testTranslation()
{
    // The block declares Russian text in Unicode.
    const QByteArray translation = valueAfter(compiled, QStringLiteral("Translation"));
    QVERIFY(translation.startsWith(QByteArray("\x19\x04\xB0\x04", 4)));
}

QTEST_GUILESS_MAIN(VersionBlockTest)
#include "test_version_block.moc"
