#pragma once

// Qt's own words (a text box's context menu, the dialogs' standard buttons) in Russian, from the
// translation compiled into the program: no Qt translations need be installed. Returns whether
// the translation is in place.
bool installQtTranslation();
