#pragma once

// What the image table tells the screens and the drawing defaults when
// images come and go (defined with the screen).

// Every graphic object of every screen, the clipboard's included, drops its
// pointers into the image table.
void screensImagesUnloading();
// The drawing defaults and every graphic object find their images again by
// name; quiet after a station load (no redraw, no modified flag).
void screensImagesLoaded(bool quiet);
