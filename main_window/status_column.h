#pragma once

#include <QLabel>

struct StatusCaptions;

// The four captions on the right of the board, each with its value label in front of it. A
// screen reader reads a value label as its caption and value together: "Очки: 250".
class StatusColumn
{
public:
    explicit StatusColumn(QWidget &surface);

    void show(const StatusCaptions &captions);

    QLabel *lblLead;
    QLabel *lblFox;
    QLabel *lblTime;
    QLabel *lblPoint;
};
