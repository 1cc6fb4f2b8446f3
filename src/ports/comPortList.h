#pragma once

#include "foundation/gstr.h"

#include <vector>

// The serial devices the system reports: the entries of the terminal class
// folder that have a device behind them (virtual consoles and
// pseudo-terminals have none), as paths under /dev, in natural order
// (ttyS2 before ttyS10). The folder is a parameter for tests.
std::vector<gstr> comPortNames(const char* classFolder = "/sys/class/tty");
