#include "commands/information_window.h"
#include "commands/rules_command.h"
#include "support/fake_platform.h"
#include "support/named_pipe.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace {

enum class HelpFile { Missing, File, Directory, NamedPipe, Link };

} // namespace

Q_DECLARE_METATYPE(HelpFile)

class RulesCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void testShownText_data();
    void testShownText();
    void testHelpFileRefused_data();
    void testHelpFileRefused();
    void testLargeFileReturns_data();
    void testLargeFileReturns();
    void testLinkToRegularFileShown();
    void testChangedFileShowsAtOnce();
    void testInformationWindowReportsToCaller();

private:
    void writeHelpFile(const QByteArray &bytes);
    QString helpPath() const
    {
        return QDir(directory->path()).filePath(QStringLiteral("Varn.hlp"));
    }

    std::unique_ptr<QTemporaryDir> directory;
    FakePlatform platform;
};

namespace {

QByteArray numberedLines(int count, const char *lineEnd)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "line " + QByteArray::number(i) + lineEnd;
    return bytes;
}

QString numberedText(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    return text;
}

} // namespace

void RulesCommandTest::init()
{
    directory = std::make_unique<QTemporaryDir>();
    QVERIFY(directory->isValid());
    platform.messages.clear();
    platform.directory = directory->path();
}

void RulesCommandTest::writeHelpFile(const QByteArray &bytes)
{
    QFile file(helpPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void RulesCommandTest::testShownText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty file shows an empty box") << QByteArray() << QString();
    QTest::newRow("each line ends in a line feed only")
        << QByteArray("first\r\nsecond\r\n") << QStringLiteral("first\nsecond\n");
    QTest::newRow("last line without a line end")
        << QByteArray("first\r\nsecond") << QStringLiteral("first\nsecond\n");
    QTest::newRow("blank lines kept in place") << QByteArray("\r\nfirst\r\n\r\n\r\nsecond\r\n\r\n")
                                               << QStringLiteral("\nfirst\n\n\nsecond\n\n");
    QTest::newRow("LF line ends") << QByteArray("first\nsecond\n")
                                  << QStringLiteral("first\nsecond\n");
    QTest::newRow("Cyrillic decoded from Windows-1251")
        << QByteArray("\xCF\xF0\xE0\xE2\xE8\xEB\xE0 \xE8\xE3\xF0\xFB \xB8\xA8\xB9\x97\r\n")
        << QStringLiteral("Правила игры ёЁ№—\n");
    QTest::newRow("exactly 25 lines") << numberedLines(25, "\r\n") << numberedText(25);
    QTest::newRow("25 lines, the last without a line end")
        << numberedLines(25, "\r\n").chopped(2) << numberedText(25);
    const QByteArray a(40'000, 'a'), b(40'000, 'b'), c(40'000, 'c');
    const QByteArray longLines = a + "\r\n" + b + "\r\n" + c + "\r\n";
    QTest::newRow("three lines of 40,000 bytes, each one line of the box")
        << longLines << QString::fromLatin1(a + '\n' + b + '\n' + c + '\n');
}

void RulesCommandTest::testShownText()
{
    // The rules box shows every line of Varn.hlp, each followed by a line feed.
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    writeHelpFile(bytes);

    Правила_игры_Click(platform);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, text);
    QCOMPARE(platform.messages[0].title, QStringLiteral("Правила игры"));
    QCOMPARE(platform.messages[0].icon, Platform::Icon::Information);
}

void RulesCommandTest::testHelpFileRefused_data()
{
    QTest::addColumn<HelpFile>("kind");
    // The file's bytes, or a link's target.
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("missing file") << HelpFile::Missing << QByteArray();
    QTest::newRow("26 lines") << HelpFile::File << numberedLines(26, "\r\n");
    QTest::newRow("26 lines, the last without a line end")
        << HelpFile::File << numberedLines(26, "\r\n").chopped(2);
    QTest::newRow("a blank 26th line") << HelpFile::File << numberedLines(25, "\r\n") + "\r\n";
    QTest::newRow("26 LF lines") << HelpFile::File << numberedLines(26, "\n");
    QTest::newRow("a directory named Varn.hlp") << HelpFile::Directory << QByteArray();
    QTest::newRow("a named pipe without a writer") << HelpFile::NamedPipe << QByteArray();
    QTest::newRow("a link to /dev/zero") << HelpFile::Link << QByteArray("/dev/zero");
    QTest::newRow("a link to /dev/urandom") << HelpFile::Link << QByteArray("/dev/urandom");
}

void RulesCommandTest::testHelpFileRefused()
{
    // A help file that is missing, not a regular file once links are followed, or longer than 25
    // lines shows the stop message instead, without waiting for a pipe's writer or reading a
    // device without end.
    QFETCH(HelpFile, kind);
    QFETCH(QByteArray, bytes);
    if ((kind == HelpFile::NamedPipe || kind == HelpFile::Link) && !NamedPipe::supported())
        QSKIP("Named pipes and symbolic links are made the Unix way");
    std::optional<NamedPipe> pipe;
    if (kind == HelpFile::File)
        writeHelpFile(bytes);
    if (kind == HelpFile::Directory)
        QVERIFY(QDir(directory->path()).mkdir(QStringLiteral("Varn.hlp")));
    if (kind == HelpFile::NamedPipe)
        QVERIFY(pipe.emplace(helpPath()).isMade());
    if (kind == HelpFile::Link)
        QVERIFY(QFile::link(QString::fromLatin1(bytes), helpPath()));

    Правила_игры_Click(platform);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Файл справки не найден"));
    QCOMPARE(platform.messages[0].title, QStringLiteral("Ошибка"));
    QCOMPARE(platform.messages[0].icon, Platform::Icon::Critical);
    if (pipe)
        QVERIFY(!pipe->wasOpened());
}

void RulesCommandTest::testLargeFileReturns_data()
{
    QTest::addColumn<QByteArray>("bytes");

    constexpr qsizetype size = 50 * 1024 * 1024;
    QTest::newRow("50 MB without a line end") << QByteArray(size, 'x');
    QByteArray noise(size, Qt::Uninitialized);
    QRandomGenerator random(1251);
    random.fillRange(reinterpret_cast<quint32 *>(noise.data()), size / 4);
    QTest::newRow("50 MB of random bytes") << noise;
}

void RulesCommandTest::testLargeFileReturns()
{
    // A file far larger than any rules text is refused without being read whole.
    QFETCH(QByteArray, bytes);
    writeHelpFile(bytes);

    Правила_игры_Click(platform);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Файл справки не найден"));
    QCOMPARE(platform.messages[0].icon, Platform::Icon::Critical);
}

void RulesCommandTest::testLinkToRegularFileShown()
{
    // Varn.hlp linked to a regular file shows that file as if it lay there itself.
    if (!NamedPipe::supported())
        QSKIP("Symbolic links are made the Unix way");
    writeHelpFile("rules\r\n");
    Правила_игры_Click(platform);
    const QString target = QDir(directory->path()).filePath(QStringLiteral("rules.txt"));
    QVERIFY(QFile::rename(helpPath(), target));
    QVERIFY(QFile::link(target, helpPath()));

    Правила_игры_Click(platform);

    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[1].text, platform.messages[0].text);
    QCOMPARE(platform.messages[1].icon, Platform::Icon::Information);
}

void RulesCommandTest::testChangedFileShowsAtOnce()
{
    // The help file is read afresh every time the rules are asked for.
    writeHelpFile("old rules\r\n");
    Правила_игры_Click(platform);
    writeHelpFile("new rules\r\n");
    Правила_игры_Click(platform);

    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[0].text, QStringLiteral("old rules\n"));
    QCOMPARE(platform.messages[1].text, QStringLiteral("new rules\n"));
}

void RulesCommandTest::testInformationWindowReportsToCaller()
{
    // The information window shows the file under the caller's title, or shows nothing and fails.
    writeHelpFile("text\r\n");
    const QString title = QStringLiteral("Заголовок");

    QVERIFY(Информационное_окно(platform, helpPath(), title));
    QVERIFY(!Информационное_окно(platform, helpPath() + QStringLiteral(".missing"), title));

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("text\n"));
    QCOMPARE(platform.messages[0].title, title);
    QCOMPARE(platform.messages[0].icon, Platform::Icon::Information);
}

QTEST_GUILESS_MAIN(RulesCommandTest)
#include "test_rules_command.moc"
