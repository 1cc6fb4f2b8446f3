#pragma once

#include "foundation/gcolor.h"

#include <functional>
#include <optional>

class QWidget;

// The system colour dialog of the property panes: fully open, preset with
// the initial colour when it holds one. True on OK, with the chosen colour
// (set) in chosen.
bool runColourDialog(QWidget* parent, const gcolor& initial, gcolor& chosen);

// Stands in for the user while installed: gets the initial colour and
// answers the chosen one, or nothing for Cancel. An empty function puts the
// user back.
using colourResponder = std::function<std::optional<gcolor>(const gcolor& initial)>;
void installColourResponder(colourResponder responder);
