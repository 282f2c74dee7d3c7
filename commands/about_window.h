#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// frmAbout: the title, the version, the owner's details and a rights notice beside the logo.
// Shown modally over its owner and closed by OK, Enter, Esc or the close box.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *owner);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Загрузка();

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *lblDisclaimer;
    QPushButton *cmdOK;
};
