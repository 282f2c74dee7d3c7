#include "game/game_session.h"
#include "main_window/qt_platform.h"
#include "support/board_picture.h"
#include "support/fake_platform.h"
#include "support/modal.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The name entry through the real input dialog, driven by key presses.
class NameDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void testNameTypedInDialog_data();
    void testNameTypedInDialog();
};

namespace {

// Asks with the program's own input dialog; everything else stays fake.
class DialogPlatform : public FakePlatform
{
public:
    void askText(const QString &prompt, const QString &title, const QString &defaultAnswer,
                 std::function<void(const QString &)> answered) override
    {
        real.askText(prompt, title, defaultAnswer, std::move(answered));
    }

private:
    QtPlatform real;
};

struct SeenDialog
{
    QString prompt;
    QString title;
    QString cancelText;
    bool found = false;
};

// Waits for the dialog to come up, then types into it and ends it with the given key.
void answerDialogWhenShown(SeenDialog &seen, const QString &typed, Qt::Key endKey)
{
    QTimer::singleShot(0, [&seen, typed, endKey] {
        auto *dialog = qobject_cast<QInputDialog *>(waitForModal());
        auto *edit = dialog ? dialog->findChild<QLineEdit *>() : nullptr;
        if (!edit)
            return;
        seen = {dialog->labelText(), dialog->windowTitle(), dialog->cancelButtonText(), true};
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, endKey);
    });
}

} // namespace

void NameDialogTest::testNameTypedInDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("endKey");
    QTest::addColumn<QString>("name");
    QTest::newRow("typed and confirmed") << "Tester" << int(Qt::Key_Return) << "Tester    ";
    QTest::newRow("longer than ten, confirmed")
        << "Longer name" << int(Qt::Key_Return) << "Longer nam";
    QTest::newRow("typed and cancelled") << "Tester" << int(Qt::Key_Escape) << "Anonymous ";
}

// What the player types into the dialog at the end of a game and confirms enters the table; a
// cancelled dialog still enters the result, as "Anonymous ".
void NameDialogTest::testNameTypedInDialog()
{
    QFETCH(QString, typed);
    QFETCH(int, endKey);
    QFETCH(QString, name);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    DialogPlatform platform;
    platform.directory = directory.path();
    platform.placeFoxesAt(foxesIn(kSampleBoard));
    GameSession session(platform);
    session.load();

    SeenDialog seen;
    answerDialogWhenShown(seen, typed, Qt::Key(endKey));
    for (int fox : foxesIn(kSampleBoard))
        session.press(fox, Game::Button::Left);

    QVERIFY(QTest::qWaitFor([&session] { return session.panel().isOnScreen(); }));
    QVERIFY(seen.found);
    QCOMPARE(seen.prompt, QStringLiteral("Введите Ваше имя (не более 10-и символов)"));
    QCOMPARE(seen.title, QStringLiteral("Ввод"));
    QCOMPARE(seen.cancelText, QStringLiteral("Отмена"));
    QCOMPARE(session.table().rows()[0], (RecordRow {name, 250}));
}

QTEST_MAIN(NameDialogTest)
#include "test_name_dialog.moc"
