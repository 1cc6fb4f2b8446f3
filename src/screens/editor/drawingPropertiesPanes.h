#pragma once

class CDrawingPane;
class QWidget;

// The pane of each tab of the drawing-properties bar, made as a child of
// the bar: 0 static, 1 bistate, 2 digital, 3 string, 4 graph, 5 control, 6
// 3D area, 7 multistate, 8 analog, 9 dial, 10 marker, 11 label; null for
// another number.
CDrawingPane* makeDrawingPropertiesPane(int tab, QWidget* parent);
