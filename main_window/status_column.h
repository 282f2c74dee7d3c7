#pragma once

#include <QLabel>
#include <array>

struct StatusCaptions;

// The four captions on the right of the board, each with its value label in front of it. The
// value labels lie in this widget, which is the window's status bar for a screen reader: Orca's
// own command reads it, each value with its caption, "Очки: 250". A press on it goes on to the
// client area under it, as one on a caption does.
class StatusColumn : public QWidget
{
    Q_OBJECT

public:
    // The captions are put on the surface, under this widget.
    explicit StatusColumn(QWidget &surface);

    void showValues(const StatusCaptions &captions);

private:
    struct Value
    {
        QLabel *label;
        QString caption;
    };

    void showValue(Value &value, const QString &text);

    Value lblLead;
    Value lblFox;
    Value lblTime;
    Value lblPoint;
};
