#pragma once

#include "foundation/gfileName.h"

// The open and save dialog for station files, device-driver libraries and
// image libraries.
namespace fileKind {
constexpr int station = 0;
constexpr int driverLibrary = 1;
constexpr int stationOrLibrary = 2; // station filter first
constexpr int libraryOrStation = 3; // library filter first
constexpr int imageLibrary = 4;
} // namespace fileKind

namespace fileMode {
constexpr int openExisting = 0;
constexpr int openAny = 1;
constexpr int save = 2;
} // namespace fileMode

// Runs the dialog of the kind in the mode, starting in the folder of the
// record's path with its file name (extension dropped), titled by the string
// titleId (0: the dialog's own title). On OK the record holds the chosen name
// and full path and the answer is true; Cancel leaves it as it was.
bool fileNameDialog(gfileName& file, int mode, int kind, int titleId = 0);

// The kind offered when the whole station is saved under a new name: library
// first in library mode, both when the station holds only driver objects,
// else stations only.
int stationSaveKind(bool libraryMode);
