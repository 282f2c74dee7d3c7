#pragma once

class Platform;

// The menu item "Правила игры": the rules from Varn.hlp beside the program, or a stop message
// when that file is missing, unreadable or too long.
void Правила_игры_Click(Platform &platform);
