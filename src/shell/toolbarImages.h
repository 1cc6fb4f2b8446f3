#pragma once

class QIcon;

// The pictures of the toolbar buttons, drawn by the program: a small sign
// for each command; a null icon for a command without one.
QIcon commandImage(int command);
// A Drawing Tools button; the locked look has a dark ground.
QIcon drawingToolImage(int position, bool locked);
// A list window's picture by its icon resource: the sign of its objects;
// the program's picture for an unknown one.
QIcon listWindowImage(int iconId);
// The program's own picture, on its windows: a gauge on a station's blue.
QIcon programIcon();
