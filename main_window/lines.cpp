#include "main_window/lines.h"

#include <QPainter>
#include <QPalette>

namespace {

QColor lineColour(layout::LineColour colour, const QPalette &palette)
{
    using layout::LineColour;
    switch (colour) {
    case LineColour::WindowText:
        return palette.color(QPalette::WindowText);
    case LineColour::WindowBackground:
        return palette.color(QPalette::Base);
    case LineColour::Dark:
        return layout::kBevelDark;
    case LineColour::Light:
        return layout::kBevelLight;
    case LineColour::White:
        return layout::kBevelWhite;
    }
    return {};
}

} // namespace

void paintLines(QPainter &painter, const QPalette &palette, std::span<const layout::Line> lines)
{
    for (const layout::Line &line : lines)
        painter.fillRect(layout::linePixels(line), lineColour(line.colour, palette));
}
