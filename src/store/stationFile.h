#pragma once

#include "foundation/gstr.h"

// Results of loadObjectFile: 0 read completely with every reference defined;
// 1 the file could not be opened (the user chose Cancel); 2 to 13 a format
// error, reported with its line; 15 references to objects never defined.
namespace gloadError {
constexpr int none = 0;
constexpr int notOpened = 1;
constexpr int unknownObjectType = 2;
constexpr int typeNotInLibrary = 3;
constexpr int unknownField = 4;
constexpr int invalidObjectName = 5;
constexpr int invalidFieldValue = 6;
constexpr int missingObjectName = 7;
constexpr int missingFieldValue = 8;
constexpr int missingEnd = 9;
constexpr int objectExists = 10;
constexpr int fieldLoadedTwice = 11;
constexpr int incompleteObject = 12;
constexpr int registerKindDiffers = 13;
constexpr int undefinedObjects = 15;
} // namespace gloadError

// Reads a station file or a device-driver library into the object database.
// libraryMode allows only the types a library may hold (DRIVER, MASK,
// G2DRIVER); intoLibrary defines the objects in the library tables (Import
// Device Drivers) and leaves the station's modified flag alone. Every error
// is shown to the user once; after an error the tables read into are emptied.
int loadObjectFile(const gstrSlice& path, bool libraryMode, bool intoLibrary);

// Results of saveObjectFile.
namespace gsaveError {
constexpr int none = 0;
constexpr int notOpened = 1;
constexpr int writeFailed = 2;
} // namespace gsaveError

// Writes the banner and every object of the station, type by type in the
// registry's order, each followed by one empty line; driversOnly writes only
// MASK, DRIVER and G2DRIVER objects. A complete save of the whole station
// clears the modified flag. A failed write leaves the flag set and answers
// writeFailed with the errno in *error when asked.
int saveObjectFile(const gstrSlice& path, bool driversOnly, int* error = nullptr);

// Empties the three library tables (library) or every station table.
void clearObjectDatabase(bool library);
// Closes the station: screens released, drawing defaults reset, open flag
// cleared, station tables emptied.
void closeObjectDatabase();

// Shows string 20099 + code followed by suffix in a warning box; answers code.
int reportLoadError(int code, const gstrSlice& suffix);

// Whether a file name names a device-driver library: it ends in ".kdl" or
// ".korvel-drivers", in any letter case.
bool isLibraryFileName(const gstrSlice& path);
