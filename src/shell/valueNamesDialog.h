#pragma once

#include "foundation/gstr.h"

#include <cstdint>
#include <functional>
#include <map>

class QWidget;

// The Edit Value Names dialog belongs to the G2 driver editor, which
// installs its runner here; the digital register dialog's "Value Names..."
// runs it through it. A run edits the names (value to name) in place and
// answers whether it ended with OK. Without a runner the button does
// nothing.
using valueNamesRunner = std::function<bool(std::map<uint32_t, gstr>& names, QWidget* parent)>;

// An empty runner takes the dialog away again.
void installValueNamesDialog(valueNamesRunner runner);
// Runs the installed dialog; false (nothing changed) without one.
bool editValueNames(std::map<uint32_t, gstr>& names, QWidget* parent);
