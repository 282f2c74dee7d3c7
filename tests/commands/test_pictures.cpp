#include "resources/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void testPicture_data();
    void testPicture();
    void testDesktopIconsMatch_data();
    void testDesktopIconsMatch();
};

namespace {

qsizetype colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

int transparentPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 0;
    return count;
}

QImage argb(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void PicturesTest::testPicture_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("maxColours");
    QTest::addColumn<bool>("figureOnly");

    QTest::newRow("fox") << foxPicture() << QSize(32, 32) << 256 << true;
    QTest::newRow("flag") << flagPicture() << QSize(32, 32) << 16 << true;
    QTest::newRow("icon") << iconPicture() << QSize(16, 16) << 256 << false;
    QTest::newRow("logo") << logoPicture() << QSize(35, 110) << 256 << false;
}

void PicturesTest::testPicture()
{
    // The fox and the flag are figures on transparent corners; the icon and the logo are opaque.
    QFETCH(QPixmap, picture);
    QFETCH(QSize, size);
    QFETCH(int, maxColours);
    QFETCH(bool, figureOnly);
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);

    QCOMPARE(image.size(), size);
    QVERIFY(colourCount(image) <= maxColours);
    QVERIFY2(colourCount(image) >= 2, "a picture, not a blank");
    if (figureOnly) {
        const QPoint corners[] = {{0, 0},
                                  {size.width() - 1, 0},
                                  {0, size.height() - 1},
                                  {size.width() - 1, size.height() - 1}};
        for (const QPoint corner : corners)
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        // The figure covers a good part of its cell.
        QVERIFY(transparentPixels(image) < image.width() * image.height() * 3 / 4);
    } else {
        QCOMPARE(transparentPixels(image), 0);
    }
}

void PicturesTest::testDesktopIconsMatch_data()
{
    QTest::addColumn<QString>("file");

    QTest::newRow("Windows icon") << QStringLiteral("varn.ico");
    QTest::newRow("desktop entry icon") << QStringLiteral("varn.png");
}

void PicturesTest::testDesktopIconsMatch()
{
    // The executable and the desktop entry carry the same picture as the windows' icon.
    QFETCH(QString, file);
    const QString path = QDir(QStringLiteral(VARN_RESOURCES_DIR)).filePath(file);
    const QByteArray format = QFileInfo(file).suffix().toLatin1();
    if (!QImageReader::supportedImageFormats().contains(format))
        QSKIP("no image plug-in for this format");

    QCOMPARE(argb(path), iconPicture().toImage().convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
