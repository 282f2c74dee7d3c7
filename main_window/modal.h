#pragma once

class QDialog;

// Opens a dialog over its parent window, which takes no input until the dialog closes; the dialog
// is deleted once closed, and the window then has the keys again.
void openModal(QDialog *dialog);
