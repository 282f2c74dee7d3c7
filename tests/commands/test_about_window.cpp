#include "commands/about_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class AboutWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void testTextsAfterLoad();
    void testSameTextsEachTime();
    void testTextsFitTheirLabels();
    void testLayout_data();
    void testLayout();
    void testLogo();
    void testKeysClose_data();
    void testKeysClose();
    void testCentredOnOwner_data();
    void testCentredOnOwner();
};

namespace {

QString labelText(const AboutWindow &window, const char *name)
{
    const auto *label = window.findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1StringView(name));
}

} // namespace

void AboutWindowTest::testTextsAfterLoad()
{
    // Loading fills in the title, the version without its third part and four lines of details.
    AboutWindow window(nullptr);

    QCOMPARE(window.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(window.windowTitle(), QStringLiteral("О программе \"Зарнак\""));
    QCOMPARE(labelText(window, "lblTitle"), QStringLiteral("Зарнак"));
    QCOMPARE(labelText(window, "lblVersion"), QStringLiteral("Версия 1.10.12"));
    const QStringList description = labelText(window, "lblDescription").split(u'\n');
    QCOMPARE(description.size(), 4);
    for (const QString &line : description)
        QVERIFY2(!line.trimmed().isEmpty(), qPrintable(description.join(u'|')));
    QVERIFY(!labelText(window, "lblDisclaimer").trimmed().isEmpty());
}

void AboutWindowTest::testSameTextsEachTime()
{
    // The window is loaded anew each time and shows the same texts.
    const char *const names[] = {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"};
    AboutWindow first(nullptr);
    AboutWindow second(nullptr);
    for (const char *name : names)
        QCOMPARE(labelText(second, name), labelText(first, name));
}

void AboutWindowTest::testTextsFitTheirLabels()
{
    // Text beyond a label's height is cut off, so the details and the notice fit their labels.
    AboutWindow window(nullptr);
    for (const char *name : {"lblDescription", "lblDisclaimer"}) {
        const auto *label = window.findChild<QLabel *>(QString::fromLatin1(name));
        QVERIFY(label);
        const QRect needed
            = QFontMetrics(label->font())
                  .boundingRect(QRect(QPoint(), label->size()),
                                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
        QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(), name);
    }
}

void AboutWindowTest::testLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");

    QTest::newRow("logo box") << QStringLiteral("picIcon") << QRect(20, 20, 39, 114);
    QTest::newRow("title") << QStringLiteral("lblTitle") << QRect(90, 20, 190, 20);
    QTest::newRow("version") << QStringLiteral("lblVersion") << QRect(90, 40, 190, 20);
    QTest::newRow("description") << QStringLiteral("lblDescription") << QRect(90, 70, 190, 70);
    QTest::newRow("rights notice") << QStringLiteral("lblDisclaimer") << QRect(20, 160, 260, 71);
    QTest::newRow("OK button") << QStringLiteral("cmdOK") << QRect(100, 240, 100, 25);
}

void AboutWindowTest::testLayout()
{
    // The controls stand at their places in a fixed client area of 301 × 281 pixels.
    QFETCH(QString, name);
    QFETCH(QRect, place);
    AboutWindow window(nullptr);
    window.show();

    QCOMPARE(window.size(), QSize(301, 281));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), place);
}

void AboutWindowTest::testLogo()
{
    // The logo box shows the 35 × 110 logo inside its two-pixel sunken frame.
    AboutWindow window(nullptr);
    const auto *picIcon = window.findChild<QLabel *>(QStringLiteral("picIcon"));
    QVERIFY(picIcon);

    QCOMPARE(picIcon->pixmap().size(), QSize(35, 110));
    QCOMPARE(picIcon->contentsRect(), QRect(2, 2, 35, 110));
}

void AboutWindowTest::testKeysClose_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void AboutWindowTest::testKeysClose()
{
    // OK has the focus when the window opens, and Enter or Esc closes the window at once.
    QFETCH(int, key);
    QWidget owner;
    owner.show();
    AboutWindow window(&owner);
    window.open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.focusWidget(), window.findChild<QPushButton *>(QStringLiteral("cmdOK")));

    QTest::keyClick(window.focusWidget(), Qt::Key(key));

    QVERIFY(!window.isVisible());
}

void AboutWindowTest::testCentredOnOwner_data()
{
    QTest::addColumn<QPoint>("ownerPlace");

    QTest::newRow("owner near the top left") << QPoint(10, 10);
    QTest::newRow("owner further right and down") << QPoint(400, 250);
}

void AboutWindowTest::testCentredOnOwner()
{
    // The window opens centred on its owner, wherever the owner stands.
    QFETCH(QPoint, ownerPlace);
    QWidget owner;
    owner.setGeometry(QRect(ownerPlace, QSize(460, 368)));
    owner.show();
    AboutWindow window(&owner);
    window.open();

    const QPoint offset = window.geometry().center() - owner.geometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    window.close();
}

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
