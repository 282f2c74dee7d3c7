#pragma once

#include <QLabel>

struct StatusCaptions;

// The four captions on the right of the board, each with its value label in front of it. The
// value labels lie in this widget, which is the window's status bar for a screen reader: Orca's
// own command reads it, each value with its caption, "Очки: 250". A press on it goes on to the
// board, as one on a caption does.
class StatusColumn : public QWidget
{
    Q_OBJECT

public:
    explicit StatusColumn(QWidget &surface);

    void showValues(const StatusCaptions &captions);

    QLabel *lblLead;
    QLabel *lblFox;
    QLabel *lblTime;
    QLabel *lblPoint;
};
