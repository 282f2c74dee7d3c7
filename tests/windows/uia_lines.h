// What the UI Automation reader prints: one JSON object a line, from any thread, on stdout.
#pragma once

#include <windows.h>

#include <string>

// UTF-8 of a UTF-16 string, and back.
std::string utf8(const wchar_t *text, int length = -1);
std::wstring utf16(const std::string &text);

// A line under construction: {"event": "...", "field": "value", ...}.
class Line
{
public:
    explicit Line(const char *event);
    Line &text(const char *field, const std::string &value);
    Line &number(const char *field, long value);
    // Written whole, at once, as the last thing the line does.
    void print();

private:
    std::string m_json;
};
