// Draws the page's first screen, which the page shows while the program loads: the main window as
// the program first shows it in a page, in the page's own fonts and framed as Qt for the web
// frames a window, written as a PNG at a given scale.
#include "main_window/main_window.h"
#include "main_window/qt_platform.h"
#include "resources/fonts.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QCommonStyle>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <qdrawutil.h>

namespace {

// Qt for the web's frame around a window: a border of four pixels, whose outer two are a raised
// bevel, and under its top a title bar of 18 in the palette's highlight, with the window's icon
// at the left, its title beside it and the close button at the right, each 14 pixels square in a
// margin of two; the window itself lies a border's width below the title bar.
constexpr int kBorder = 4;
constexpr int kTitleHeight = 18;
constexpr QPoint kWindowPlace(kBorder, 2 * kBorder + kTitleHeight);
constexpr int kControlMargin = 2;
constexpr int kControlSide = kTitleHeight - 2 * kControlMargin;
constexpr int kCloseCross = 10;

// The program's own dialogs and generator, in a folder of its own that holds no table: a first
// visit's page shows none, and the tool leaves no file behind.
class FreshPlatform : public QtPlatform
{
public:
    QString programDirectory() const override { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

void drawFrame(QPainter &painter, const QSize &size, const QString &title)
{
    const QPalette palette = QApplication::palette();
    const QRect frame(QPoint(0, 0), size);
    painter.fillRect(frame, Qt::white);
    qDrawWinPanel(&painter, frame, palette);

    const QRect bar(kBorder, kBorder, size.width() - 2 * kBorder, kTitleHeight);
    painter.fillRect(bar, palette.highlight());
    const QRect icon(bar.left() + kControlMargin, bar.top() + kControlMargin, kControlSide,
                     kControlSide);
    QApplication::windowIcon().paint(&painter, icon);
    const int step = kControlSide + kControlMargin;
    const QRect label = bar.adjusted(step + kControlMargin, 0, -step, 0);
    painter.setPen(palette.highlightedText().color());
    painter.setFont(QApplication::font());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    const QRect close(bar.right() - step, icon.top(), kControlSide, kControlSide);
    const QPixmap cross = QCommonStyle()
                              .standardPixmap(QStyle::SP_TitleBarCloseButton)
                              .scaled(kCloseCross, kCloseCross);
    const int inset = (kControlSide - kCloseCross) / 2;
    painter.drawPixmap(close.topLeft() + QPoint(inset, inset), cross);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: first_screen <picture.png> <scale>\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const int scale = QByteArray(argv[2]).toInt();
    int qtArguments = 1;
    QApplication app(qtArguments, argv);
    QApplication::setWindowIcon(QIcon(iconPicture()));
    // The page's fonts and application font, as this tool is built with the page's choice.
    chooseApplicationFontOnce();

    // The program's own window, built as it starts.
    FreshPlatform platform;
    MainWindow window(platform);
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.setVisible(true);

    const QSize size = window.size() + QSize(2 * kBorder, kWindowPlace.y() + kBorder);
    QImage picture(size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    QPainter painter(&picture);
    drawFrame(painter, size, window.windowTitle());
    window.render(&painter, kWindowPlace);
    painter.end();
    if (!picture.save(file, "PNG")) {
        std::fprintf(stderr, "first_screen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
