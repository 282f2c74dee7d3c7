#include "commands/rules_command.h"
#include "support/fake_platform.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

class HelpFileTest : public QObject
{
    Q_OBJECT

private slots:
    void testShippedRulesShow();
    void testShippedLineEnds();
    void testCopiedBesideProgram();
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void HelpFileTest::testShippedRulesShow()
{
    // The shipped Varn.hlp fits the rules box: at most 25 lines of Russian text in Windows-1251.
    FakePlatform platform;
    platform.directory = QFileInfo(QStringLiteral(VARN_HELP_SOURCE)).absolutePath();

    Правила_игры_Click(platform);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].icon, Platform::Icon::Information);
    const QString text = platform.messages[0].text;
    QVERIFY(text.count(u'\n') <= 25);
    QVERIFY(text.contains(QStringLiteral("пять лис")));
    QVERIFY(text.contains(QStringLiteral("250 очков")));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
}

void HelpFileTest::testShippedLineEnds()
{
    // Every line of the shipped file ends in CR LF, and nothing else breaks a line.
    const QByteArray bytes = contents(QStringLiteral(VARN_HELP_SOURCE));
    QVERIFY(!bytes.isEmpty());
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
}

void HelpFileTest::testCopiedBesideProgram()
{
    // The build puts the same Varn.hlp beside the program, where the rules command looks.
    QCOMPARE(contents(QStringLiteral(VARN_HELP_BESIDE_PROGRAM)),
             contents(QStringLiteral(VARN_HELP_SOURCE)));
}

QTEST_GUILESS_MAIN(HelpFileTest)
#include "test_help_file.moc"
