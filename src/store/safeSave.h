#pragma once

#include "foundation/gstr.h"

// Saves the station (or its drivers only) so that the target is replaced only
// by a complete file: the objects are written to a new temporary file with
// the prefix "stn" in the target's folder, which then takes the target's
// place by rename. A target that is a symbolic link stays one: the file it
// leads to is replaced, by a temporary file in that file's folder. A target
// that is read-only (no write permission for anyone, or none for the
// process) is not replaced, nor one that is not a regular file (a pipe, a
// device node, a folder, a loop of symbolic links). On any failure the
// target is left byte for byte as it was, the temporary file is removed, the
// station's modified flag is as it was before, and reason names the file and
// the system's reason.
bool saveObjectFileSafely(const gstrSlice& target, bool driversOnly, gstr& reason);

// Called once at start-up: a write past the file-size limit then fails with
// EFBIG and the save reports it, where the signal would end the program with
// the user's edits and leave the temporary file behind.
void ignoreFileSizeSignal();
