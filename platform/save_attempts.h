#pragma once

// How many times a file's replacement is tried before the save counts as failed, and the pause
// before each try again: on Windows another program reading the file for a moment, an indexer or
// a virus scanner, holds off its replacement; elsewhere a replacement that failed has failed.
struct SaveAttempts
{
    int count;
    int pauseMs;
};

SaveAttempts saveAttempts();
