#include "commands/about_window.h"

#include "commands/about_texts.h"
#include "resources/fonts.h"
#include "resources/pictures.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

QLabel *addLabel(QWidget *window, const char *name, const QRect &place)
{
    auto *label = new QLabel(window);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}

void setBlackText(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

} // namespace

AboutWindow::AboutWindow(QWidget *owner)
    : QDialog(owner,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                  | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("О программе \"Зарнак\""));
    setWindowIcon(QIcon(iconPicture()));
    setModal(true);
    setFixedSize(301, 281);

    // The sunken frame is two pixels on each side, so the box fits the 35 × 110 logo exactly.
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(20, 20, 39, 114);
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon->setPixmap(logoPicture());

    lblTitle = addLabel(this, "lblTitle", {90, 20, 190, 20});
    lblTitle->setFont(pixelFont({FontStyle::Family::TimesNewRoman, 20, true, true}));
    setBlackText(lblTitle);

    lblVersion = addLabel(this, "lblVersion", {90, 40, 190, 20});
    lblVersion->setFont(pixelFont({FontStyle::Family::SansSerif, 11, true}));

    lblDescription = addLabel(this, "lblDescription", {90, 70, 190, 70});
    lblDescription->setFont(pixelFont({FontStyle::Family::Arial, 13}));
    setBlackText(lblDescription);

    lblDisclaimer = addLabel(this, "lblDisclaimer", {20, 160, 260, 71});
    setBlackText(lblDisclaimer);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(100, 240, 100, 25);
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // Enter presses the default button; Esc rejects the dialog: either way it closes.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Загрузка();
}

void AboutWindow::Загрузка()
{
    const AboutTexts texts = aboutTexts();
    lblTitle->setText(texts.title);
    lblVersion->setText(texts.version);
    lblDescription->setText(texts.description);
    lblDisclaimer->setText(texts.disclaimer);
}

void AboutWindow::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // An etched separator between the owner's details and the rights notice.
    QPainter painter(this);
    painter.fillRect(QRect(20, 151, 260, 1), QColor(128, 128, 128));
    painter.fillRect(QRect(21, 152, 259, 2), Qt::white);
}
