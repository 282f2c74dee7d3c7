#include "main_window/records_panel_view.h"

#include "game/game_session.h"
#include "main_window/layout.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextCursor>

namespace {

// A disabled button whose caption spans its whole width: the style's own label margins would cut
// the panel's title, which fills the button.
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

// Places are given on the board; the panel's controls sit within the panel.
QRect onPanel(QRect place)
{
    return place.translated(-layout::kPanel.topLeft());
}

template<typename Button = QPushButton>
QPushButton *makeButton(QWidget &panel, const QString &name, QRect place, const QString &text)
{
    auto *button = new Button(text, &panel);
    button->setObjectName(name);
    button->setGeometry(onPanel(place));
    QPalette face = button->palette();
    face.setColor(QPalette::Button, layout::kFace);
    button->setPalette(face);
    return button;
}

} // namespace

RecordsPanelView::RecordsPanelView(QWidget &surface, GameSession &session)
    : QWidget(&surface)
    , m_session(session)
{
    setGeometry(layout::kPanel);
    hide();
    const RecordsPanel &panel = session.panel();
    connect(&panel, &RecordsPanel::changed, this, [this, &panel] {
        if (panel.isOnScreen() && !Кнопка_ок)
            build();
        setVisible(panel.isOnScreen());
    });
    connect(&panel, &RecordsPanel::opened, this,
            [this] { Кнопка_ок->setFocus(Qt::OtherFocusReason); });
    connect(&session.table(), &RecordTable::textChanged, this, [this] {
        if (Таблица_рекордов)
            showText();
    });
}

// Made back to front, so the title and the buttons lie over the text box and the backdrop; the tab
// order follows: the text box, "Закрыть", "Очистить".
void RecordsPanelView::build()
{
    Рамка_таблицы_рекордов
        = makeButton(*this, QStringLiteral("Рамка_таблицы_рекордов"), layout::kPanel, QString());
    Рамка_таблицы_рекордов->setEnabled(false);

    Таблица_рекордов = new QTextEdit(this);
    Таблица_рекордов->setObjectName(QStringLiteral("Таблица_рекордов"));
    Таблица_рекордов->setGeometry(onPanel(layout::kTableBox));
    Таблица_рекордов->setReadOnly(true);
    Таблица_рекордов->setFont(pixelFont(layout::kTableFont));
    Таблица_рекордов->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Таблица_рекордов->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Таблица_рекордов->setLineWrapMode(QTextEdit::NoWrap);
    Таблица_рекордов->document()->setDocumentMargin(1);
    QPalette colours = Таблица_рекордов->palette();
    colours.setColor(QPalette::Base, layout::kTableBackground);
    colours.setColor(QPalette::Text, Qt::black);
    Таблица_рекордов->setPalette(colours);

    Кнопка_ок = makeButton(*this, QStringLiteral("Кнопка_ок"), layout::kCloseButton,
                           QStringLiteral("Закрыть"));
    Кнопка_ок->setToolTip(QStringLiteral("Закрыть окно лучших результатов"));
    Кнопка_очистить = makeButton(*this, QStringLiteral("Кнопка_очистить"), layout::kClearButton,
                                 QStringLiteral("Очистить"));
    Кнопка_очистить->setToolTip(QStringLiteral("Удалить данные о лучших результатах"));

    Лучшие_результаты
        = makeButton<TitleButton>(*this, QStringLiteral("Лучшие_результаты"), layout::kPanelTitle,
                                  QStringLiteral("Лучшие результаты"));
    Лучшие_результаты->setFont(pixelFont(layout::kPanelTitleFont));
    Лучшие_результаты->setEnabled(false);

    connect(Кнопка_ок, &QPushButton::clicked, this, [this] { m_session.closeRecords(); });
    connect(Кнопка_очистить, &QPushButton::clicked, this, [this] { m_session.clearRecords(); });
    showText();
}

// The table keeps CR LF between its lines; the text box breaks lines on LF alone.
void RecordsPanelView::showText()
{
    const QString lines = QString(m_session.table().text()).replace(QStringLiteral("\r\n"), "\n");
    Таблица_рекордов->setPlainText(lines);
    // A screen reader speaks the focused button's description as the panel opens: the table
    // follows its tooltip there, line by line.
    Кнопка_ок->setAccessibleDescription(Кнопка_ок->toolTip() + QStringLiteral("\n") + lines);
    QTextCursor all(Таблица_рекордов->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat spacing;
    spacing.setLineHeight(layout::kTableLineHeight, QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(spacing);
}
