#pragma once

// Keeps the program's folder beyond this run where the platform does not do so by itself: a
// browser page's folder lives in memory, and is stored in the browser after every change. Files
// on a disk are kept already. False when the platform refuses to keep them.
bool keepFiles();
