// The page's fonts: the faces compiled into the program, and its application font in them.
#pragma once

// Makes known the Liberation faces compiled into the program (cmake/varn_page_fonts.cmake) and
// writes the application's texts in Liberation Sans: a page's application font, which the page's
// first screen, drawn by a desktop build, takes too.
void usePageFonts();
