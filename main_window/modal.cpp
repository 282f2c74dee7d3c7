#include "main_window/modal.h"

#include <QApplication>
#include <QDialog>

void openModal(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A desktop's window manager hands the keys back by itself; a browser page does not, and a
    // keyboard player's next key would be lost. A box opened as this one closed keeps them.
    if (QWidget *window = dialog->parentWidget()) {
        QObject::connect(dialog, &QObject::destroyed, window, [window] {
            if (!QApplication::activeModalWidget())
                window->activateWindow();
        });
    }
    dialog->open();
}
