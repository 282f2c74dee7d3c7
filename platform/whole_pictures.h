#pragma once

// Qt for the web puts on the page only the device pixels it rounds each flushed region to, which
// at a fractional device pixel ratio can fall one pixel short of those painted; and when the
// ratio changes, as the page zooms anew for a phone turned, it starts a window's picture afresh
// with only the next repaint in it. From then on every window goes to the page whole at each
// update, and is repainted whole once its ratio has changed.
void keepPicturesWhole();
