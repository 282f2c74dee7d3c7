#pragma once

#include <QLabel>

struct StatusCaptions;

// The four captions on the right of the board, each with its value label in front of it.
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
