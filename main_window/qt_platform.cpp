#include "main_window/qt_platform.h"

#include "game/random_cell.h"
#include "main_window/modal.h"
#include "platform/kept_files.h"
#include "platform/stopwatch_clock.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <chrono>

namespace {

QMessageBox::Icon boxIcon(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Critical:
        return QMessageBox::Critical;
    case Platform::Icon::Information:
        return QMessageBox::Information;
    case Platform::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

// Seeded once from the clock: every game of a run continues the same sequence.
QtPlatform::QtPlatform()
    : generator(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{ }

void QtPlatform::showMessage(const QString &text, const QString &title, Icon icon,
                             std::function<void()> closed)
{
    auto *box = new QMessageBox(boxIcon(icon), title, text, QMessageBox::Ok, owner);
    QObject::connect(box, &QDialog::finished, box, [closed = std::move(closed)] {
        if (closed)
            closed();
    });
    openModal(box);
}

void QtPlatform::askText(const QString &prompt, const QString &title, const QString &defaultAnswer,
                         std::function<void(const QString &)> answered)
{
    auto *dialog = new QInputDialog(owner);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultAnswer);
    // The buttons speak the game's language whatever translations the platform carries.
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("Отмена"));
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, answered = std::move(answered)](int result) {
                         answered(result == QDialog::Accepted ? dialog->textValue() : QString());
                     });
    openModal(dialog);
}

QString QtPlatform::programDirectory() const
{
    return QCoreApplication::applicationDirPath();
}

qint64 QtPlatform::clockMilliseconds() const
{
    return stopwatchClock();
}

float QtPlatform::nextRandom()
{
    return unitFromBits(generator());
}

std::optional<QString> QtPlatform::keepFiles(std::function<void(const QString &)> failedLater)
{
    return keepProgramFiles(failedLater);
}
