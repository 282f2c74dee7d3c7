#pragma once

#include <QString>

// What the logic asks of the world outside it. The program hands it real dialogs, the executable's
// directory and a clock-seeded generator; tests hand it a fake that records what was asked and
// answers at once.
class Platform
{
public:
    enum class Icon { None, Critical, Information };

    virtual ~Platform() = default;

    // A modal box with a single OK button; returns when the player has closed it.
    virtual void showMessage(const QString &text, const QString &title, Icon icon) = 0;
    // A modal input box; the typed text, or an empty string when cancelled.
    virtual QString askText(const QString &prompt, const QString &title,
                            const QString &defaultAnswer)
        = 0;
    // The folder of the executable, where the data and help files live.
    virtual QString programDirectory() const = 0;
    // The player's own folder for the game's data, used where the program's folder cannot be
    // written; empty when the system names none.
    virtual QString playerDataDirectory() const = 0;
    // Uniform in [0, 1), from a generator seeded once per run.
    virtual float nextRandom() = 0;
};
