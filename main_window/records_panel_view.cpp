#include "main_window/records_panel_view.h"

#include "records/record_table.h"
#include "records/records_panel.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextCursor>

namespace {

QFont courierBold(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// A disabled button whose caption spans its whole width: the style's own label margins would cut
// the panel's title, which fills the button as laid out.
class TitleButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.drawItemText(rect(), Qt::AlignCenter, palette(), isEnabled(), text());
    }
};

template<typename Button = QPushButton>
QPushButton *makeButton(QWidget &surface, const QString &name, QRect place, const QString &text)
{
    auto *button = new Button(text, &surface);
    button->setObjectName(name);
    button->setGeometry(place);
    QPalette face = button->palette();
    face.setColor(QPalette::Button, QColor(192, 192, 192));
    button->setPalette(face);
    button->hide();
    return button;
}

// Lines 18 pixels apart, as the font's own spacing would push the tenth line out of the box.
void showLines(QTextEdit &box, const QString &text)
{
    box.setPlainText(text);
    QTextCursor all(box.document());
    all.select(QTextCursor::Document);
    QTextBlockFormat spacing;
    spacing.setLineHeight(18, QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(spacing);
}

} // namespace

// Made back to front, so the title and the buttons lie over the text box and the backdrop; the tab
// order follows: the text box, "Закрыть", "Очистить".
RecordsPanelView::RecordsPanelView(QWidget &surface, RecordsPanel &panel)
{
    Рамка_таблицы_рекордов = makeButton(surface, QStringLiteral("Рамка_таблицы_рекордов"),
                                        {130, 50, 206, 267}, QString());
    Рамка_таблицы_рекордов->setEnabled(false);

    Таблица_рекордов = new QTextEdit(&surface);
    Таблица_рекордов->setObjectName(QStringLiteral("Таблица_рекордов"));
    Таблица_рекордов->setGeometry(133, 80, 200, 188);
    Таблица_рекордов->setReadOnly(true);
    Таблица_рекордов->setFont(courierBold(16));
    Таблица_рекордов->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Таблица_рекордов->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Таблица_рекордов->setLineWrapMode(QTextEdit::NoWrap);
    Таблица_рекордов->document()->setDocumentMargin(1);
    QPalette colours = Таблица_рекордов->palette();
    colours.setColor(QPalette::Base, QColor(0, 192, 192));
    colours.setColor(QPalette::Text, Qt::black);
    Таблица_рекордов->setPalette(colours);
    Таблица_рекордов->hide();

    Кнопка_ок = makeButton(surface, QStringLiteral("Кнопка_ок"), {150, 280, 65, 23},
                           QStringLiteral("Закрыть"));
    Кнопка_ок->setToolTip(QStringLiteral("Закрыть окно лучших результатов"));
    Кнопка_очистить = makeButton(surface, QStringLiteral("Кнопка_очистить"), {250, 280, 65, 23},
                                 QStringLiteral("Очистить"));
    Кнопка_очистить->setToolTip(QStringLiteral("Удалить данные о лучших результатах"));

    Лучшие_результаты
        = makeButton<TitleButton>(surface, QStringLiteral("Лучшие_результаты"), {133, 53, 200, 25},
                                  QStringLiteral("Лучшие результаты"));
    Лучшие_результаты->setFont(courierBold(19));
    Лучшие_результаты->setEnabled(false);

    QObject::connect(Кнопка_ок, &QPushButton::clicked, &panel, &RecordsPanel::Кнопка_ок_Click);
    QObject::connect(Кнопка_очистить, &QPushButton::clicked, &panel,
                     &RecordsPanel::Кнопка_очистить_Click);
    QObject::connect(&panel, &RecordsPanel::opened, Кнопка_ок,
                     [this] { Кнопка_ок->setFocus(Qt::OtherFocusReason); });
}

void RecordsPanelView::show(const RecordsPanel &panel, const RecordTable &table)
{
    // The table keeps CR LF between its lines; the text box breaks lines on LF alone.
    const QString text = QString(table.Таблица_рекордов).replace(QStringLiteral("\r\n"), "\n");
    if (Таблица_рекордов->toPlainText() != text)
        showLines(*Таблица_рекордов, text);
    for (QWidget *control :
         {static_cast<QWidget *>(Рамка_таблицы_рекордов), static_cast<QWidget *>(Лучшие_результаты),
          static_cast<QWidget *>(Таблица_рекордов), static_cast<QWidget *>(Кнопка_очистить),
          static_cast<QWidget *>(Кнопка_ок)})
        control->setVisible(panel.isVisible);
}
