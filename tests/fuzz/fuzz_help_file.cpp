// Any bytes as Varn.hlp: the rules command shows the file's lines or its failure message, and
// never crashes or hangs.

#include "commands/rules_command.h"
#include "fuzz_support.h"
#include "records/windows1251.h"
#include "support/fake_platform.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

constexpr qsizetype kMaxLines = 25;
// Lines this short are read whole by any reader, so the expected text can be told in advance.
constexpr qsizetype kShortLine = 1024;

// The box's text for a file of short lines, each ended by LF or CR LF (the last one may have no
// end); nothing when the file has too many lines to show.
std::optional<QString> expectedText(const QByteArray &bytes)
{
    QByteArrayList lines = bytes.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() > kMaxLines)
        return std::nullopt;
    QString text;
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        text += fromWindows1251(line) + u'\r';
    }
    return text;
}

bool hasOnlyShortLines(const QByteArray &bytes)
{
    const QByteArrayList lines = bytes.split('\n');
    return std::all_of(lines.begin(), lines.end(),
                       [](const QByteArray &line) { return line.size() < kShortLine; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    writeInput(QStringLiteral("Varn.hlp"), input);

    FakePlatform platform;
    platform.directory = fuzzFolder();
    Правила_игры_Click(platform);

    require(platform.messages.size() == 1, "not exactly one box");
    const FakePlatform::Message &box = platform.messages.first();
    const bool shown = box.icon == Platform::Icon::Information;
    if (shown) {
        require(box.title == QStringLiteral("Правила игры"), "the rules box has the wrong title");
        require(box.text.isEmpty() || box.text.endsWith(u'\r'), "the last line has no CR");
        require(!box.text.contains(u'\n'), "a line feed reached the box");
    } else {
        require(box.icon == Platform::Icon::Critical && box.title == QStringLiteral("Ошибка")
                    && box.text == QStringLiteral("Файл справки не найден"),
                "neither the rules nor the failure message");
    }
    if (hasOnlyShortLines(input)) {
        const std::optional<QString> expected = expectedText(input);
        require(shown == expected.has_value(), "shown or refused against the line count");
        if (expected)
            require(box.text == *expected, "the box does not show the file's lines");
    }
    return 0;
}
