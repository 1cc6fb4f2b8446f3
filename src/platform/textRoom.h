#pragma once

class QRect;
class QSize;
class QWidget;

// The room a button, check box, radio button or static text needs to show
// its whole text: its size hint, except that a push button is not held to
// the style's smallest width for buttons (a "..." button may stay narrow),
// and a text that breaks its words needs the height of its lines at its
// width. A tab strip needs the room of all its tabs whole. An invalid size for other
// widgets and for empty texts.
QSize textRoom(const QWidget& widget);

// The place a dialog's template gave a control, before it grew for its text
// or made way for another; empty for a control not placed from a template.
QRect placement(const QWidget& widget);
int placedWidth(const QWidget& widget);
void rememberPlacement(QWidget& widget, const QRect& place);
