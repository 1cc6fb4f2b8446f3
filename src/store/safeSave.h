#pragma once

#include "foundation/gstr.h"

// Saves the station (or its drivers only) so that the target is replaced only
// by a complete file: the objects are written to a new temporary file with
// the prefix "stn" in the target's folder, which then takes the target's
// place by rename. On any failure the target is left byte for byte as it
// was, the temporary file is removed, the station's modified flag is as it
// was before, and reason tells what failed and why.
bool saveObjectFileSafely(const gstrSlice& target, bool driversOnly, gstr& reason);
