#pragma once

#include <initializer_list>

class CDialog;
class CEscapedStringEdit;

// The pair of radio buttons "Show as te&xt" and "Show as &hex" under the
// escaped-string edits of a legacy dialog.
namespace escapedModeButtons {

constexpr int hexId = 1434;
constexpr int textId = 1435;

// Checks the button of the mode.
void show(CDialog& dialog, int hexMode);
// Switches the edits in order; when one refuses (its text does not parse,
// its message shown), those already switched go back. The buttons then show
// the mode in force. True when every edit switched.
bool switchEdits(CDialog& dialog, std::initializer_list<CEscapedStringEdit*> edits, int hexMode);

} // namespace escapedModeButtons
