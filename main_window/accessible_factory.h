#pragma once

// Makes Qt give a screen reader the board as a pane of cells and the status column as the
// window's status bar, its values as text. Once, at start, before the first window is shown.
void installAccessibleFactory();
