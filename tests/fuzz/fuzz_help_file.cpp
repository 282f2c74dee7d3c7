// Any bytes as Varn.hlp: the rules command shows the file's lines or its failure message, and
// never crashes or hangs.

#include "commands/rules_command.h"
#include "fuzz_support.h"
#include "records/windows1251.h"
#include "support/fake_platform.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <optional>

namespace {

constexpr qsizetype kMaxLines = 25;

// The box's text for a file of lines, each ended by LF or CR LF (the last one may have no
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
        text += fromWindows1251(line) + u'\n';
    }
    return text;
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
        require(box.text.isEmpty() || box.text.endsWith(u'\n'), "the last line has no LF");
    } else {
        require(box.icon == Platform::Icon::Critical && box.title == QStringLiteral("Ошибка")
                    && box.text == QStringLiteral("Файл справки не найден"),
                "neither the rules nor the failure message");
    }
    // Fuzzer inputs stay far below the reader's size bound, so every line is shown whole.
    const std::optional<QString> expected = expectedText(input);
    require(shown == expected.has_value(), "shown or refused against the line count");
    if (expected)
        require(box.text == *expected, "the box does not show the file's lines");
    return 0;
}
