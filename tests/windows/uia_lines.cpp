// The reader's lines: JSON with its strings escaped, written to stdout under one lock.
#include "uia_lines.h"

#include <cstdio>
#include <mutex>

std::string utf8(const wchar_t *text, int length)
{
    if (!text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    if (length < 0 && !result.empty())
        result.pop_back(); // the terminating zero
    return result;
}

std::wstring utf16(const std::string &text)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), result.data(), size);
    return result;
}

Line::Line(const char *event)
{
    text("event", event);
}

Line &Line::text(const char *field, const std::string &value)
{
    m_json += m_json.empty() ? "{\"" : ", \"";
    m_json += field;
    m_json += "\": \"";
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            m_json += '\\';
            m_json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            m_json += escaped;
        } else {
            m_json += c;
        }
    }
    m_json += '"';
    return *this;
}

Line &Line::number(const char *field, long value)
{
    m_json += ", \"";
    m_json += field;
    m_json += "\": " + std::to_string(value);
    return *this;
}

void Line::print()
{
    static std::mutex lock;
    const std::lock_guard<std::mutex> held(lock);
    m_json += "}\n";
    std::fwrite(m_json.data(), 1, m_json.size(), stdout);
    std::fflush(stdout);
}
