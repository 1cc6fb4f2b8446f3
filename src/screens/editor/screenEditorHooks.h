#pragma once

#include <functional>

class fscreen;
class QWidget;

// Dialogs of other parts of the program that the screen editor opens: the
// Change Screen Objects dialog over a screen's selection (true after OK).
using screenObjectsChanger = std::function<bool(fscreen& screen, QWidget* parent)>;
void installScreenObjectsChanger(screenObjectsChanger run);
const screenObjectsChanger& screenObjectsChangerDialog();
