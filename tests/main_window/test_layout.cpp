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
    QTest::newRow("first pixel of cell 0, on the grid lines") << QPoint(24, 24) << 0;
    QTest::newRow("last pixel of cell 0") << QPoint(55, 55) << 0;
    QTest::newRow("left grid line of cell 1") << QPoint(56, 30) << 1;
    QTest::newRow("top grid line of cell 10") << QPoint(30, 56) << 10;
    QTest::newRow("last pixel of cell 99") << QPoint(343, 343) << 99;
    QTest::newRow("right edge line") << QPoint(344, 100) << -1;
    QTest::newRow("bottom edge line") << QPoint(100, 344) << -1;
    QTest::newRow("board frame left") << QPoint(23, 100) << -1;
    QTest::newRow("board frame top") << QPoint(100, 16) << -1;
    QTest::newRow("status column") << QPoint(400, 80) << -1;
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
    QTest::addColumn<int>("line");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("grid top") << 0 << QRect(24, 24, 320, 1);
    QTest::newRow("grid right") << 2 << QRect(344, 24, 1, 320);
    QTest::newRow("frame bottom reaches one pixel further") << 25 << QRect(16, 352, 337, 1);
    QTest::newRow("sunken edge top runs leftwards") << 30 << QRect(1, 0, 460, 1);
    QTest::newRow("bottom bevel") << 36 << QRect(1, 367, 458, 1);
    QTest::newRow("right bevel") << 37 << QRect(459, 1, 1, 366);
}

void LayoutTest::testLinePixels()
{
    // A line covers its first point up to, not including, its last.
    QFETCH(int, line);
    QFETCH(QRect, pixels);
    QCOMPARE(linePixels(kLines[line]), pixels);
}

QTEST_GUILESS_MAIN(LayoutTest)
#include "test_layout.moc"
