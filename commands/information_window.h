#pragma once

class Platform;
class QString;

// Shows the lines of a Windows-1251 text file, each followed by a carriage return, in an
// information box under the title. Returns false and shows nothing when the file cannot be opened
// or read, or when it holds more than 25 lines; the caller decides what the player sees then.
[[nodiscard]] bool Информационное_окно(Platform &platform, const QString &path,
                                       const QString &title);
