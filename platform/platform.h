#pragma once

#include <QString>
#include <functional>
#include <optional>

// What the logic asks of the world outside it. The program hands it real dialogs, the executable's
// directory and a clock-seeded generator; tests hand it a fake that records what was asked and
// answers at once or when the test says.
//
// A box returns at once and gives its answer to a callback when the player closes it: no box
// waits in an event loop of its own, which a browser cannot run. The window under a box takes no
// input while it is open, but its timer goes on.
class Platform
{
public:
    enum class Icon { None, Critical, Information };

    virtual ~Platform() = default;

    // A box with a single OK button; closed runs when the player has closed it.
    virtual void showMessage(const QString &text, const QString &title, Icon icon,
                             std::function<void()> closed = {}) = 0;
    // An input box; answered gets the typed text, or an empty string when cancelled.
    virtual void askText(const QString &prompt, const QString &title, const QString &defaultAnswer,
                         std::function<void(const QString &)> answered) = 0;
    // The folder of the executable, where the data and help files live.
    virtual QString programDirectory() const = 0;
    // The player's own folder for the game's data, used where the program's folder cannot be
    // written; empty when the system names none.
    virtual QString playerDataDirectory() const = 0;
    // Uniform in [0, 1), from a generator seeded once per run.
    virtual float nextRandom() = 0;
    // The clock the stopwatch follows, in milliseconds: a page's goes on through a reload of the
    // page, a desktop's is moved by no change of the system's time.
    virtual qint64 clockMilliseconds() const = 0;
    // Keeps the program's folder beyond this run where the platform does not do so by itself: a
    // browser page's folder lives in memory, and is stored in the browser after every change.
    // Files on a disk are kept already. Gives why, when the platform refuses to keep them; a
    // refusal that comes only once the keeping has begun, as a browser's storage may fail when it
    // is full, is given to failedLater, with the reason, when it comes.
    virtual std::optional<QString> keepFiles(std::function<void(const QString &reason)> failedLater)
        = 0;
};
