#include "resources/qt_translation.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <memory>

// Qt's own words as a player meets them, from the translation compiled into the program: the run
// under Wine has no Qt translations at all, and none is looked for on Linux.
class QtTranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void testWordsAreRussian_data();
    void testWordsAreRussian();
};

void QtTranslationTest::initTestCase()
{
    QVERIFY(installQtTranslation());
}

static QStringList menuWords(QMenu *menu)
{
    QStringList words;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            words << action->text();
    }
    return words;
}

void QtTranslationTest::testWordsAreRussian_data()
{
    QTest::addColumn<QStringList>("words");

    QLineEdit textBox(QStringLiteral("Лиса"));
    const std::unique_ptr<QMenu> menu(textBox.createStandardContextMenu());
    QTest::newRow("a text box's context menu") << menuWords(menu.get());

    QLineEdit readOnlyBox(QStringLiteral("Лиса"));
    readOnlyBox.setReadOnly(true);
    const std::unique_ptr<QMenu> readOnlyMenu(readOnlyBox.createStandardContextMenu());
    QTest::newRow("a read-only text box's context menu") << menuWords(readOnlyMenu.get());

    // OK is OK in Russian too.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No
                             | QDialogButtonBox::Close);
    QStringList buttonWords;
    for (const QAbstractButton *button : buttons.buttons())
        buttonWords << button->text();
    QTest::newRow("a dialog's standard buttons") << buttonWords;
}

void QtTranslationTest::testWordsAreRussian()
{
    // A word is Russian when it has Cyrillic letters and no Latin ones; the key after a tab and
    // the & that marks the access key are not words.
    QFETCH(QStringList, words);
    QVERIFY(!words.isEmpty());
    for (const QString &text : words) {
        const QString word = text.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
        const bool cyrillic = std::any_of(
            word.begin(), word.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
        const bool latin = std::any_of(word.begin(), word.end(),
                                       [](QChar c) { return c.script() == QChar::Script_Latin; });
        QVERIFY2(cyrillic && !latin, qPrintable(QStringLiteral("not Russian: \"%1\"").arg(text)));
    }
}

QTEST_MAIN(QtTranslationTest)
#include "test_qt_translation.moc"
