#pragma once

#include "main_window/layout.h"

#include <span>

class QPainter;
class QPalette;

// Paints one-pixel lines in their colours, the palette's where they name one of its roles.
void paintLines(QPainter &painter, const QPalette &palette, std::span<const layout::Line> lines);
