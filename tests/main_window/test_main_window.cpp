#include "main_window/accessible_factory.h"
#include "main_window/layout.h"
#include "main_window/main_window.h"
#include "support/board_picture.h"
#include "support/fake_platform.h"
#include "support/modal.h"
#include "support/record_file.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPointingDevice>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Closes the next modal window, once it is up, with the key, and tells its name and title.
QString closeModalWith(Qt::Key key)
{
    QWidget *modal = waitForModal();
    if (!modal)
        return QString();
    const QString seen = modal->objectName() + u'|' + modal->windowTitle();
    QTest::keyClick(modal, key);
    return seen;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installAccessibleFactory(); }
    void init();
    void cleanup();

    void testWindowIsFixed();
    void testMenus();
    void testGridAndFrame();
    void testStatusColumn();
    void testEmptyBoardAfterReset();
    void testMousePresses();
    void testPressOnEdgeLineReachesNoCell();
    void testNumbersFlagsAndFoxesArePainted();
    void testNewGameKey();
    void testPanel();
    void testTicksGoOnInModalBox();
    void testRulesAndAboutLeaveGameAlone();
    void testExitClosesAtOnce();
    void testTickShowsInTimeLabel();
    void testEndOfGameInWindow();
    void testFailedSaveAfterClearing();
    void testKeys_data();
    void testKeys();
    void testFocusComesBackToBoard();
    void testMousePlayerSeesNoCursor_data();
    void testMousePlayerSeesNoCursor();
    void testTouch_data();
    void testTouch();
    void testTouchOnPanelButton();
    void testAccessibleBoard();

private:
    // The window's parts, found as a test finds them: by their types and names.
    BoardWidget &board() { return *window->findChild<BoardWidget *>(); }
    QWidget *client() { return window->centralWidget(); }
    QLabel *label(const char *name) { return window->findChild<QLabel *>(name); }
    QWidget *panelView() { return window->findChild<RecordsPanelView *>(); }
    template<typename Control = QPushButton> Control *onPanel(const char *name)
    {
        return window->findChild<Control *>(name);
    }
    const QTimer &stopwatch() { return *window->findChild<QTimer *>("Секундомер"); }
    const Game &game() { return window->session().game(); }
    QImage grabBoard() { return board().grab().toImage(); }
    void click(int cell, Qt::MouseButton button)
    {
        QTest::mouseClick(&board(), button, {}, layout::cellTopLeft(cell) + QPoint(10, 10));
    }
    void start(std::chrono::milliseconds tick = std::chrono::seconds(1));
    void playToTheEnd()
    {
        for (int cell : foxesIn(kSampleBoard))
            click(cell, Qt::LeftButton);
    }
    QPushButton *closeButton() { return onPanel("Кнопка_ок"); }

    std::unique_ptr<QTemporaryDir> folder;
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

void MainWindowTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    platform = FakePlatform();
    platform.directory = folder->path();
    platform.placeFoxesAt(foxesIn(kSampleBoard));
}

// Built after the test has set up the platform, as the program builds it after its platform.
void MainWindowTest::start(std::chrono::milliseconds tick)
{
    window = std::make_unique<MainWindow>(platform, tick);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void MainWindowTest::cleanup()
{
    window.reset();
    folder.reset();
}

void MainWindowTest::testWindowIsFixed()
{
    // The client area under the menu bar is 460 × 368, and the window cannot be resized.
    start();
    QCOMPARE(window->centralWidget()->size(), QSize(460, 368));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(window->windowTitle(), QStringLiteral("Зарнак"));
    QVERIFY(!stopwatch().isActive());
    QCOMPARE(stopwatch().interval(), 1000);
}

void MainWindowTest::testMenus()
{
    // Three menus, their items in order, with access letters and F1 to F3.
    start();
    QStringList seen;
    for (QAction *menu : window->menuBar()->actions()) {
        seen << menu->text();
        for (QAction *item : menu->menu()->actions())
            seen << item->text() + '|' + item->shortcut().toString();
    }
    QCOMPARE(seen,
             (QStringList {"&Файл", "&Выход|", "&Игра", "&Новая игра|F2", "&Лучшие результаты|F3",
                           "&Справка", "&Правила игры|F1", "&О программе...|"}));
}

void MainWindowTest::testGridAndFrame()
{
    // Grid lines every 32 pixels from 24 in the window-text colour, and the two bevels.
    start();
    const QImage image = client()->grab().toImage();
    const QPalette palette = board().palette();
    const QColor text = palette.color(QPalette::WindowText);
    for (int k = 0; k <= 10; ++k) {
        QCOMPARE(pixel(image, 24 + 32 * k, 200), text);
        QCOMPARE(pixel(image, 200, 24 + 32 * k), text);
    }
    QCOMPARE(pixel(image, 100, 16), palette.color(QPalette::Base)); // the board's frame: top
    QCOMPARE(pixel(image, 16, 100), palette.color(QPalette::Base)); // left
    QCOMPARE(pixel(image, 352, 100), text); // right
    QCOMPARE(pixel(image, 352, 352), text); // bottom, reaching the corner
    QCOMPARE(pixel(image, 100, 17), QColor(224, 224, 224)); // its raised inner edge: light
    QCOMPARE(pixel(image, 351, 100), QColor(128, 128, 128)); // dark
    QCOMPARE(pixel(image, 100, 0), QColor(128, 128, 128)); // the client area's sunken edge
    QCOMPARE(pixel(image, 0, 100), QColor(128, 128, 128));
    QCOMPARE(pixel(image, 100, 1), text);
    QCOMPARE(pixel(image, 1, 100), text);
    QCOMPARE(pixel(image, 100, 367), QColor(255, 255, 255));
    QCOMPARE(pixel(image, 459, 100), QColor(255, 255, 255));
    QCOMPARE(pixel(image, 370, 300), QColor(192, 192, 192)); // window background
    QCOMPARE(pixel(image, 40, 40), palette.color(QPalette::Button)); // an empty cell
    QCOMPARE(pixel(image, 344, 344), palette.color(QPalette::Button)); // the grid's far corner
}

void MainWindowTest::testStatusColumn()
{
    // Eight labels at their rectangles; the value labels in front of their captions.
    start();
    const auto onClient = [this](const QLabel *shown) {
        return QRect(shown->mapTo(client(), QPoint()), shown->size());
    };
    QCOMPARE(onClient(label("lblLead")), QRect(392, 72, 33, 20));
    QCOMPARE(onClient(label("lblFox")), QRect(392, 128, 33, 20));
    QCOMPARE(onClient(label("lblTime")), QRect(392, 184, 33, 20));
    QCOMPARE(onClient(label("lblPoint")), QRect(392, 240, 33, 20));
    QCOMPARE(label("lblPoint")->toolTip(), QStringLiteral("Заработанные очки"));
    QCOMPARE(label("lblTime")->font().pixelSize(), layout::kValueFont.pixels);
    const QImage image = client()->grab().toImage();
    QCOMPARE(pixel(image, 408, 85), QColor(192, 255, 255));
    QCOMPARE(pixel(image, 392, 57), QColor(192, 192, 192)); // the caption "Ходы"
    // The caption ends at 75 and lblLead starts at 72: the value label covers the overlap.
    QCOMPARE(client()->childAt(408, 74), label("lblLead"));
    QCOMPARE(client()->childAt(408, 184), label("lblTime"));
    // Between the values the caption takes the mouse, and shows its tooltip.
    QCOMPARE(client()->childAt(408, 115)->objectName(), QStringLiteral("Label2"));
}

void MainWindowTest::testEmptyBoardAfterReset()
{
    // After start the board holds no fox, flag or number and the status values are empty.
    start();
    for (QLabel *label : {label("lblLead"), label("lblFox"), label("lblTime"), label("lblPoint")})
        QCOMPARE(label->text(), QString());
    const QImage image = grabBoard();
    const QColor face = board().palette().color(QPalette::Button);
    for (int i = 0; i < 100; ++i) {
        const QPoint corner = layout::cellTopLeft(i);
        for (int d = 1; d < 32; d += 5)
            QCOMPARE(pixel(image, corner.x() + d, corner.y() + d), face);
    }
}

void MainWindowTest::testMousePresses()
{
    // Left opens, right flags, and a first middle press starts the stopwatch.
    start();
    const Game &game = this->game();
    click(55, Qt::MiddleButton);
    QVERIFY(stopwatch().isActive());
    QCOMPARE(game.cellView(55), CellView());
    click(56, Qt::RightButton);
    QVERIFY(game.cellView(56).flag);
    click(1, Qt::LeftButton);
    QCOMPARE(game.cellView(1).number, 2);
    QCOMPARE(label("lblLead")->text(), QStringLiteral("1"));
    QCOMPARE(label("lblPoint")->text(), QStringLiteral("290"));
    // The first pixel of a cell, on its grid lines, belongs to it.
    QTest::mouseClick(&board(), Qt::RightButton, {}, layout::cellTopLeft(77));
    QVERIFY(game.cellView(77).flag);
}

void MainWindowTest::testPressOnEdgeLineReachesNoCell()
{
    // The grid's right edge line belongs to no cell: a press there does not even start the game.
    start();
    QTest::mouseClick(&board(), Qt::LeftButton, {}, QPoint(layout::kGridEnd, 6));
    QTest::mouseClick(&board(), Qt::LeftButton, {}, QPoint(6, layout::kGridEnd));
    QVERIFY(game().state().Первый_ход);
    QVERIFY(!stopwatch().isActive());
}

void MainWindowTest::testNumbersFlagsAndFoxesArePainted()
{
    // What the game holds for a cell shows in its square, under the grid lines.
    start();
    const int fox = 0;
    const int empty = 1;
    const int flagged = 32; // not on the lines of cell 1
    click(fox, Qt::LeftButton);
    click(empty, Qt::LeftButton);
    click(flagged, Qt::RightButton);
    const QImage image = grabBoard();
    const QColor face = board().palette().color(QPalette::Button);
    auto differs = [&](int cell) {
        const QPoint corner = layout::cellTopLeft(cell);
        int count = 0;
        for (int y = 1; y < 32; ++y)
            for (int x = 1; x < 32; ++x)
                count += pixel(image, corner.x() + x, corner.y() + y) != face ? 1 : 0;
        return count;
    };
    QVERIFY(differs(fox) > 50);
    QVERIFY(differs(empty) > 20);
    QVERIFY(differs(flagged) > 30);
    const QPoint corner = layout::cellTopLeft(empty);
    QCOMPARE(pixel(image, corner.x(), corner.y() + 10),
             board().palette().color(QPalette::WindowText));
}

void MainWindowTest::testNewGameKey()
{
    // F2 starts a new game: the board and the status column are emptied.
    start();
    click(12, Qt::LeftButton);
    click(13, Qt::RightButton);
    QTest::keyClick(window.get(), Qt::Key_F2);
    QCOMPARE(label("lblLead")->text(), QString());
    QCOMPARE(game().cellView(13), CellView());
    QCOMPARE(game().cellView(12), CellView());
    QVERIFY(!stopwatch().isActive());
}

void MainWindowTest::testPanel()
{
    // F3 shows the five controls with the focus on "Закрыть"; Esc leaves them; "Закрыть" hides.
    start();
    QWidget *panel = panelView();
    QVERIFY(!panel->isVisible());
    QTest::keyClick(window.get(), Qt::Key_F3);
    QVERIFY(panel->isVisible());
    QCOMPARE(client()->childAt(layout::kPanelTitle.center()), onPanel("Лучшие_результаты"));
    QCOMPARE(QApplication::focusWidget(), closeButton());
    QCOMPARE(onPanel<QTextEdit>("Таблица_рекордов")->toPlainText().count('\n'), 9);
    // Tab runs "Закрыть", "Очистить", the text box, and round again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), onPanel("Кнопка_очистить"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), onPanel<QTextEdit>("Таблица_рекордов"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), closeButton());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(panel->isVisible());
    // F2 with the panel shown: presses count again, the panel stays.
    QTest::keyClick(window.get(), Qt::Key_F2);
    QVERIFY(panel->isVisible());
    click(5, Qt::RightButton);
    QVERIFY(game().cellView(5).flag);
    QTest::mouseClick(closeButton(), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(window->session().panel().takesPresses());
}

void MainWindowTest::testTicksGoOnInModalBox()
{
    // A running stopwatch keeps ticking while a modal window is open.
    start(std::chrono::milliseconds(5));
    click(0, Qt::MiddleButton);
    platform.clock += 1000;
    window->findChild<QAction *>(QStringLiteral("О_программе"))->trigger();
    QVERIFY(waitForModal());
    QVERIFY(QTest::qWaitFor([this] { return game().state().Секунды > 0; }));
    QVERIFY(!closeModalWith(Qt::Key_Escape).isEmpty());
}

void MainWindowTest::testRulesAndAboutLeaveGameAlone()
{
    // The rules box and the about window neither pause nor change a running game.
    start();
    click(1, Qt::LeftButton);
    click(5, Qt::RightButton);
    const GameState before = game().state();
    QTest::keyClick(window.get(), Qt::Key_F1);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Файл справки не найден"));
    window->findChild<QAction *>(QStringLiteral("О_программе"))->trigger();
    QVERIFY(closeModalWith(Qt::Key_Escape).startsWith(QStringLiteral("frmAbout|")));
    QVERIFY(stopwatch().isActive());
    QCOMPARE(game().state().Ходы, before.Ходы);
    QVERIFY(game().state().Флаг == before.Флаг);
    QVERIFY(!game().state().Первый_ход);
}

void MainWindowTest::testExitClosesAtOnce()
{
    // Выход closes the window without a question, also in the middle of a game.
    start();
    click(1, Qt::LeftButton);
    window->findChild<QAction *>(QStringLiteral("Выход"))->trigger();
    QVERIFY(!window->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void MainWindowTest::testTickShowsInTimeLabel()
{
    // A tick of the stopwatch shows at once in the time label, the board left as it was.
    start(std::chrono::milliseconds(5));
    click(1, Qt::RightButton);
    platform.clock += 1000;
    QSignalSpy tick(&stopwatch(), &QTimer::timeout);
    QVERIFY(tick.wait());
    QCOMPARE(label("lblTime")->text(), QStringLiteral("1"));
}

void MainWindowTest::testEndOfGameInWindow()
{
    // The fifth fox shows before the box; then the name is asked, and the panel opens on the new
    // table with the focus on "Закрыть".
    start();
    for (int cell : {0, 24, 57, 72})
        click(cell, Qt::LeftButton);
    QCoreApplication::processEvents();
    // What the screen holds once the box's own event loop has run: a repaint that was asked for
    // shows there, one that was not does not.
    QImage underBox;
    platform.whileMessageShown = [this, &underBox] {
        QCoreApplication::processEvents();
        underBox = window->screen()->grabWindow(window->winId()).toImage();
    };
    platform.answers = {QStringLiteral("Лиса")};
    click(89, Qt::LeftButton);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].title, QStringLiteral("Игра окончена"));
    // The fifth fox looks like the first.
    const QPoint middle = board().mapTo(window.get(), QPoint(16, 16));
    QCOMPARE(underBox.pixelColor(layout::cellTopLeft(89) + middle),
             underBox.pixelColor(layout::cellTopLeft(0) + middle));
    QVERIFY(underBox.pixelColor(layout::cellTopLeft(0) + middle)
            != board().palette().color(QPalette::Button));
    QCOMPARE(platform.questions.size(), 1);
    QVERIFY(panelView()->isVisible());
    QCOMPARE(QApplication::focusWidget(), closeButton());
    QVERIFY(onPanel<QTextEdit>("Таблица_рекордов")
                ->toPlainText()
                .startsWith(QStringLiteral("  1.Лиса       250")));
    QVERIFY(!stopwatch().isActive());
}

void MainWindowTest::testFailedSaveAfterClearing()
{
    // When the cleared table cannot be saved, the panel shows it cleared before the box tells so.
    QVERIFY(storeTable(folder->path(), tableOf({{QStringLiteral("Anna"), 100}})));
    start();
    QTest::keyClick(window.get(), Qt::Key_F3);
    QVERIFY(QFile::remove(recordFilePath(folder->path())));
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("Varn.dat")));
    QString textUnderBox;
    platform.whileMessageShown = [this, &textUnderBox] {
        textUnderBox = onPanel<QTextEdit>("Таблица_рекордов")->toPlainText();
    };
    QTest::mouseClick(onPanel("Кнопка_очистить"), Qt::LeftButton);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].title, QStringLiteral("Ошибка"));
    QVERIFY(textUnderBox.startsWith(QStringLiteral("  1.              \n")));
}

enum class Before { Nothing, PanelShown };

void MainWindowTest::testKeys_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<CellView>("shown");
    QTest::addColumn<int>("moves");
    QTest::addColumn<bool>("started");

    const CellView closed;
    const CellView two {false, false, 2};
    const CellView flagged {false, true, -1};
    using enum Qt::Key;
    QTest::newRow("arrows stop at the edges")
        << Before::Nothing << QList {Key_Left, Key_Up} << 0 << closed << 0 << false;
    QTest::newRow("arrows move one cell")
        << Before::Nothing << QList {Key_Right, Key_Right, Key_Down, Key_Left} << 11 << closed << 0
        << false;
    QTest::newRow("End to the row's last cell")
        << Before::Nothing << QList {Key_Down, Key_Down, Key_End, Key_Right} << 29 << closed << 0
        << false;
    QTest::newRow("Home to the row's first cell")
        << Before::Nothing << QList {Key_Down, Key_End, Key_Home, Key_Left} << 10 << closed << 0
        << false;
    QTest::newRow("Enter opens as a left press")
        << Before::Nothing << QList {Key_Right, Key_Return} << 1 << two << 1 << true;
    QTest::newRow("keypad Enter opens as a left press")
        << Before::Nothing << QList {Key_Right, Key_Enter} << 1 << two << 1 << true;
    QTest::newRow("Space flags as a right press")
        << Before::Nothing << QList {Key_Down, Key_Space} << 10 << flagged << 0 << true;
    QTest::newRow("nothing while the panel is shown")
        << Before::PanelShown << QList {Key_Right, Key_Return, Key_Space} << 1 << closed << 0
        << false;
}

void MainWindowTest::testKeys()
{
    // Keys on the board move a cursor over the cells, and press its cell as the mouse would.
    QFETCH(Before, before);
    QFETCH(QList<Qt::Key>, keys);
    start();
    if (before == Before::PanelShown)
        QTest::keyClick(window.get(), Qt::Key_F3);
    BoardWidget &board = this->board();
    for (Qt::Key key : keys)
        QTest::keyClick(&board, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

    QTEST(board.cursor(), "cursor");
    QTEST(game().cellView(board.cursor()), "shown");
    QTEST(int(game().state().Ходы), "moves");
    QTEST(!game().state().Первый_ход, "started");
}

void MainWindowTest::testFocusComesBackToBoard()
{
    // The board has the keys from the start, and again after the about window and the panel.
    start();
    BoardWidget *board = &this->board();
    QCOMPARE(QApplication::focusWidget(), board);
    QTest::keyClick(board, Qt::Key_F3);
    QCOMPARE(QApplication::focusWidget(), closeButton());
    QTest::keyClick(closeButton(), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), board);
    window->findChild<QAction *>(QStringLiteral("О_программе"))->trigger();
    QVERIFY(!closeModalWith(Qt::Key_Escape).isEmpty());
    QVERIFY(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
    QCOMPARE(window->focusWidget(), board); // for when the window is active again

    playToTheEnd();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), board);
}

void MainWindowTest::testMousePlayerSeesNoCursor_data()
{
    QTest::addColumn<QList<int>>("opened");
    QTest::addColumn<QList<int>>("flagged");
    QTest::newRow("a fresh window") << QList<int>() << QList<int>();
    QTest::newRow("a played board") << QList {0, 1, 43} << QList {99};
}

void MainWindowTest::testMousePlayerSeesNoCursor()
{
    // The cursor shows from the first key, framed over its cell, until the next press of the mouse:
    // the window then looks as if no key had been pressed.
    QFETCH(QList<int>, opened);
    QFETCH(QList<int>, flagged);
    start(std::chrono::hours(1));
    for (int cell : opened)
        click(cell, Qt::LeftButton);
    for (int cell : flagged)
        click(cell, Qt::RightButton);
    const QImage byMouse = window->grab().toImage();

    BoardWidget &board = this->board();
    QTest::keyClick(&board, Qt::Key_Up);
    const QImage withCursor = window->grab().toImage();
    const QRect frame = layout::cursorFrame(0).translated(board.mapTo(window.get(), QPoint()));
    for (int y = 0; y < byMouse.height(); ++y) {
        for (int x = 0; x < byMouse.width(); ++x) {
            if (!frame.contains(x, y))
                QCOMPARE(withCursor.pixelColor(x, y), byMouse.pixelColor(x, y));
        }
    }
    QCOMPARE(withCursor.pixelColor(frame.topLeft()), layout::kCursorFrame);
    QCOMPARE(withCursor.pixelColor(frame.center() + QPoint(0, 2 - frame.height() / 2)),
             layout::kCursorLining);

    QTest::mouseClick(&board, Qt::LeftButton, {}, QPoint(layout::kGridEnd, 30));
    QCOMPARE(window->grab().toImage(), byMouse);
}

enum class Finger { Tap, Hold, Slide, TwoFingers, Cancelled, HeldThenCancelled };

void MainWindowTest::testTouch_data()
{
    QTest::addColumn<Finger>("finger");
    QTest::addColumn<CellView>("shown");
    QTest::addColumn<int>("moves");
    QTest::newRow("a tap opens as a left press") << Finger::Tap << CellView {false, false, 2} << 1;
    QTest::newRow("a long press flags as a right press")
        << Finger::Hold << CellView {false, true, -1} << 0;
    QTest::newRow("a finger that slides presses nothing") << Finger::Slide << CellView() << 0;
    QTest::newRow("two fingers press nothing") << Finger::TwoFingers << CellView() << 0;
    QTest::newRow("a cancelled touch presses nothing") << Finger::Cancelled << CellView() << 0;
    QTest::newRow("a long press cancelled keeps its flag")
        << Finger::HeldThenCancelled << CellView {false, true, -1} << 0;
}

void MainWindowTest::testTouch()
{
    // A finger lifted where it went down opens its cell, one held still flags it and frames it at
    // once until lifted; one that slides, or with a second finger, does nothing. A touch the
    // system cancels, which Qt sends with no points, to the board and to what lies beside it,
    // presses nothing and takes the frame away.
    QFETCH(Finger, finger);
    static QPointingDevice *const screen = QTest::createTouchDevice();
    start();
    BoardWidget &board = this->board();
    const QPoint at = layout::cellTopLeft(1) + QPoint(10, 10);
    const QPoint framed = layout::cursorFrame(1).topLeft();
    const bool held = finger == Finger::Hold || finger == Finger::HeldThenCancelled;
    QTest::touchEvent(&board, screen).press(0, at);
    QPoint liftedAt = at;
    if (held) {
        QTRY_VERIFY(game().cellView(1).flag);
        QCOMPARE(grabBoard().pixelColor(framed), layout::kCursorFrame);
    } else if (finger == Finger::Slide) {
        liftedAt += QPoint(20, 0);
        QTest::touchEvent(&board, screen).move(0, liftedAt);
        QVERIFY(!board.findChild<QTimer *>(QStringLiteral("hold"))->isActive());
    } else if (finger == Finger::TwoFingers) {
        QTest::touchEvent(&board, screen).stationary(0).press(1, at + QPoint(64, 0));
        QTest::touchEvent(&board, screen).stationary(0).release(1, at + QPoint(64, 0));
    }
    if (finger == Finger::Cancelled || finger == Finger::HeldThenCancelled) {
        for (QWidget *to : {static_cast<QWidget *>(&board), client()}) {
            QTouchEvent cancel(QEvent::TouchCancel, screen);
            QApplication::sendEvent(to, &cancel);
        }
        QVERIFY(!board.findChild<QTimer *>(QStringLiteral("hold"))->isActive());
    } else {
        QTest::touchEvent(&board, screen).release(0, liftedAt);
    }
    QCoreApplication::processEvents();

    QTEST(game().cellView(1), "shown");
    QTEST(int(game().state().Ходы), "moves");
    QCOMPARE(game().state().Первый_ход, finger != Finger::Tap && !held);
    QCOMPARE(grabBoard().pixelColor(framed), board.palette().color(QPalette::Button));
}

void MainWindowTest::testTouchOnPanelButton()
{
    // A touch on a control over the board reaches the control as a click.
    static QPointingDevice *const screen = QTest::createTouchDevice();
    start();
    QTest::keyClick(window.get(), Qt::Key_F3);
    const QPoint button = closeButton()->mapTo(client(), closeButton()->rect().center());
    QTest::touchEvent(client(), screen).press(0, button);
    QTest::touchEvent(client(), screen).release(0, button);
    QTRY_VERIFY(!panelView()->isVisible());
}

void MainWindowTest::testAccessibleBoard()
{
    // A screen reader reads the board as a pane of 100 cells named after what they show, the
    // cursor's cell focused, and the status column as a status bar of values with their captions.
    start();
    QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(&board());
    QCOMPARE(pane->role(), QAccessible::Pane);
    QCOMPARE(pane->childCount(), 100);
    QCOMPARE(QAccessible::queryAccessibleInterface(window->findChild<StatusColumn *>())->role(),
             QAccessible::StatusBar);
    QCOMPARE(label("lblPoint")->accessibleName(), QStringLiteral("Очки"));
    click(0, Qt::LeftButton);
    click(1, Qt::LeftButton);
    click(99, Qt::RightButton);
    click(43, Qt::LeftButton);
    QTest::keyClick(&board(), Qt::Key_Down);

    // л the fox, ф a flag, a digit a number, . a closed cell.
    const QStringList board {
        "л2.ф...ф..", //
        "ф..ф..ф...", //
        ".ф.ф.ф....", //
        "..ффф.....", //
        "ффф0фффффф", //
        "..ффф.....", //
        ".ф.ф.ф....", //
        "ф..ф..ф...", //
        "...ф...ф..", //
        "...ф....фф",
    };
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const QChar shown = board[row][column];
            const QString what = shown == u'л' ? QStringLiteral("лиса")
                : shown == u'ф'                ? QStringLiteral("флажок")
                : shown == u'.'                ? QStringLiteral("закрыта")
                                               : QString(shown);
            QAccessibleInterface *cell = pane->child(cellNumber(row, column));
            QCOMPARE(
                cell->text(QAccessible::Name),
                QStringLiteral("Строка %1, столбец %2: %3").arg(row + 1).arg(column + 1).arg(what));
            QCOMPARE(pane->indexOfChild(cell), cellNumber(row, column));
            QCOMPARE(cell->state().focused, row == 1 && column == 0);
        }
    }
    QCOMPARE(pane->focusChild(), pane->child(10));
    QCOMPARE(label("lblPoint")->accessibleName(), QStringLiteral("Очки: 270"));
    QCOMPARE(label("lblFox")->accessibleName(), QStringLiteral("Лисы: 1"));
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
