// A game in progress written as text and brought back whole; a text that holds none is refused.
#include "support/game_fixture.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// A game with a fox found, a number, a flag and seconds counted, the panel opened over it.
KeptGame gameInProgress(GameFixture &f)
{
    f.startWith(kSampleBoard);
    f.press(0, 0);
    f.press(9, 4);
    f.press(5, 5, Game::Button::Right);
    f.tick(12);
    f.session.showRecords();
    KeptGame kept = f.session.kept();
    kept.firstPress = 1767225612345;
    kept.cursor = 37;
    kept.cursorShown = true;
    return kept;
}

} // namespace

class KeptGameTest : public QObject
{
    Q_OBJECT

private slots:
    void testBroughtBack();
    void testRefused_data();
    void testRefused();
};

void KeptGameTest::testBroughtBack()
{
    // Read back from its text into another session, the game goes on as it was: the same board
    // and counters, its stopwatch running, its panel open and the cells taking no presses.
    GameFixture played, restored;
    const KeptGame kept = gameInProgress(played);
    const std::optional<KeptGame> back = keptGameFromText(keptGameText(kept));
    QVERIFY(back);
    QCOMPARE(back->firstPress, kept.firstPress);
    QCOMPARE(back->cursor, 37);
    QVERIFY(back->cursorShown);
    restored.session.restore(*back);
    QVERIFY(restored.state() == played.state());
    QVERIFY(restored.stopwatchRunning);
    QVERIFY(restored.panel().isOnScreen() && !restored.panel().takesPresses());
    QCOMPARE(restored.captions().lblPoint, QStringLiteral("278"));
}

void KeptGameTest::testRefused_data()
{
    // Each row changes the text of the game above: the match of a pattern replaced.
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("replacement");
    QTest::newRow("no text") << "^.*$"
                             << "";
    QTest::newRow("a field missing") << " flags=\\w+"
                                     << "";
    QTest::newRow("a field twice") << "$"
                                   << " moves=1";
    QTest::newRow("a name unknown") << "framed="
                                    << "frame=";
    QTest::newRow("not a number") << "moves=\\d+"
                                  << "moves=x";
    QTest::newRow("points above the start") << "points=\\d+"
                                            << "points=301";
    QTest::newRow("four foxes") << "foxes=1"
                                << "foxes=0";
    QTest::newRow("a found fox not opened") << "found=1"
                                            << "found=2";
    QTest::newRow("cells cut short") << "(opened=\\w+)\\w"
                                     << "\\1";
}

void KeptGameTest::testRefused()
{
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    GameFixture f;
    const QString sound = keptGameText(gameInProgress(f));
    QVERIFY(keptGameFromText(sound));
    const QString changed = QString(sound).replace(QRegularExpression(pattern), replacement);
    QVERIFY(changed != sound);
    QVERIFY(!keptGameFromText(changed));
}

QTEST_MAIN(KeptGameTest)
#include "test_kept_game.moc"
