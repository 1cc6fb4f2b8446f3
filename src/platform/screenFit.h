#pragma once

class QSize;
class QWidget;

// Sizes a top-level window so that, title bar and frame included, it is
// wanted large, but no larger than the part of its screen the desktop leaves
// for windows (in the screen's own scaled pixels), and moves it wholly into
// that part once it has a place.
void fitToScreen(QWidget& window, const QSize& wanted);
