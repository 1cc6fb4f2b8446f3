#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;
class gprogramUsedByList;
class gregister;

// Reading and writing the field lines that the SABus response data and
// command parameters share. A text field is "set" once it has a buffer: it
// starts without one, and a second line for a set field answers
// alreadyLoaded. A real field is unset while it holds HUGE_VAL.
namespace sabusLines {

// A line whose value is one string value: alreadyLoaded when the field is
// set; invalidValue when the value is not exactly one string item, or is
// empty while nonEmpty is asked, or holds a byte other than a printable one
// while printable is asked. The field takes the text.
gloadStatus loadText(gstr& field, const gstr& value, bool nonEmpty, bool printable);
// One string value, not empty, for a field that keeps its own "set" rule.
bool parseText(const char* text, gstr& out, bool printable);
// A real-number line: alreadyLoaded while the field is set; one real item
// that ends the value, else invalidValue.
gloadStatus loadReal(double& field, const gstr& value);
// One integer item that ends the text (a comma after it refused) and lies in
// [low, high].
bool parseIntInRange(const char* text, int32_t low, int32_t high, int32_t& out);

// keyword, then the text as a string value.
void writeText(CObjectFile& file, int indent, int token, const gstrSlice& text);
// keyword, then the text, when the text is not empty.
void writeTextIfAny(CObjectFile& file, int indent, int token, const gstrSlice& text);
void writeReal(CObjectFile& file, int indent, int token, double value);

// Whether a real field holds a value (not HUGE_VAL).
bool isSet(double value);
// 2, 8, 10 or 16.
bool isNumberBase(int32_t base);

// Titles as the lists and the logs show them: the title, else the tag; an
// empty text for no object.
gstr registerTitle(const gregister* reg);
gstr programTitle(const gprogramUsedByList* program);

} // namespace sabusLines
