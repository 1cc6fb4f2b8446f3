#pragma once

#include "foundation/gstr.h"
#include "store/keywordLines.h"

#include <cstdint>

class CObjectFile;

// Line writers and value readers shared by the register's records (with
// the keyword and real-number lines of every record).

// A text as a station-file value; an empty text as "" so that the line
// still shows a value.
void writeTextValue(CObjectFile& file, const gstrSlice& text, int ending);
// "KEYWORD<gap>text" on its own line, the text as writeTextValue puts it.
void writeTextLine(CObjectFile& file, int indent, int keywordToken, const gstrSlice& text);

// A real field that holds unset until its line is read: already loaded when
// set, else one real number other than unset.
int loadRealField(double& field, double unset, const gstr& value);

// A change threshold: MIN_CHANGE with a positive value, MIN_CHANGE_DB with
// the magnitude of a negative one (a change in dB); nothing for 0.
void writeMinimumChange(CObjectFile& file, int indent, double change);
// A MIN_CHANGE or MIN_CHANGE_DB line (dB true) into a threshold that is 0
// while not given: already loaded, or a number greater than 0, stored
// negated for dB.
int loadMinimumChange(const gstr& value, bool dB, double& change);

// A text field that is not set until its line is read: already loaded when
// set, else exactly one string value.
int loadTextField(gstr& text, const gstr& value);

// The mode keyword that opens the VALUES line of the digital and string log
// records: NONE 1, ALL 2, ON_STATE 3, OFF_STATE 4, INCLUDE 5, EXCLUDE 6. The
// item parser's result (0, 1, or 2 with next past the comma).
int parseLogModeItem(const char* text, int32_t& mode, const char*& next);
