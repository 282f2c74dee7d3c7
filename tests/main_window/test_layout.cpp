#include "main_window/layout.h"

#include <QTest>

using namespace layout;

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void testHitTest_data();
    void testHitTest();
    void testEveryCellRoundTrips();
    void testLinePixels_data();
    void testLinePixels();
};

void LayoutTest::testHitTest_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("cell");
    // On the board, whose top left pixel is the first of cell 0.
    QTest::newRow("first pixel of cell 0, on the grid lines") << QPoint(0, 0) << 0;
    QTest::newRow("last pixel of cell 0") << QPoint(31, 31) << 0;
    QTest::newRow("left grid line of cell 1") << QPoint(32, 6) << 1;
    QTest::newRow("top grid line of cell 10") << QPoint(6, 32) << 10;
    QTest::newRow("last pixel of cell 99") << QPoint(319, 319) << 99;
    QTest::newRow("right edge line") << QPoint(320, 76) << -1;
    QTest::newRow("bottom edge line") << QPoint(76, 320) << -1;
    QTest::newRow("left of the board, on its frame") << QPoint(-1, 76) << -1;
    QTest::newRow("above the board, on its frame") << QPoint(76, -8) << -1;
}

void LayoutTest::testHitTest()
{
    // A cell owns its square and the grid lines at its left and top; the far edges own nothing.
    QFETCH(QPoint, pixel);
    QFETCH(int, cell);
    QCOMPARE(cellAt(pixel), cell);
}

void LayoutTest::testEveryCellRoundTrips()
{
    // Every pixel of a cell's 32 × 32 square leads back to that cell.
    for (int i = 0; i < 100; ++i) {
        const QPoint corner = cellTopLeft(i);
        QCOMPARE(cellAt(corner), i);
        QCOMPARE(cellAt(corner + QPoint(31, 31)), i);
        QCOMPARE(cellAt(corner + QPoint(31, 0)), i);
    }
}

void LayoutTest::testLinePixels_data()
{
    QTest::addColumn<QRect>("covered");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("grid top, on the board") << linePixels(kGridLines[0]) << QRect(0, 0, 320, 1);
    QTest::newRow("grid right") << linePixels(kGridLines[2]) << QRect(320, 0, 1, 320);
    QTest::newRow("frame bottom reaches one pixel further")
        << linePixels(kFrameLines[3]) << QRect(16, 352, 337, 1);
    QTest::newRow("sunken edge top runs leftwards")
        << linePixels(kFrameLines[8]) << QRect(1, 0, 460, 1);
    QTest::newRow("bottom bevel") << linePixels(kFrameLines[14]) << QRect(1, 367, 458, 1);
    QTest::newRow("right bevel") << linePixels(kFrameLines[15]) << QRect(459, 1, 1, 366);
}

void LayoutTest::testLinePixels()
{
    // A line covers its first point up to, not including, its last.
    QFETCH(QRect, covered);
    QFETCH(QRect, pixels);
    QCOMPARE(covered, pixels);
}

QTEST_GUILESS_MAIN(LayoutTest)
#include "test_layout.moc"
