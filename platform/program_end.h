#pragma once

// Tells what started the program that it has ended, where that outlives it: a browser page, which
// then says so. A desktop's program simply exits.
void tellProgramEnded();
