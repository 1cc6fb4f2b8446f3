#pragma once

#include "foundation/gstr.h"

// A symbolic font name of screen texts. There are eight program-wide
// records; font choosers and the font cache tell them apart by identity and
// read the face name behind each, which start-up fills (fontFaceName).
class gfontName {
public:
    constexpr gfontName(const char* name, int faceIndex) : name_(name), faceIndex_(faceIndex) {}
    gfontName(const gfontName&) = delete;
    gfontName& operator=(const gfontName&) = delete;

    const char* name() const { return name_; }
    const gstr& faceName() const;

private:
    const char* name_;
    int faceIndex_;
};

// The eight records in the fixed order of the font choosers: DEFAULT,
// ALTERNATE, MONOSPACE, SANS SERIF, SERIF, HELVETICA, TIMES, COURIER. Null
// outside 0 to 7.
constexpr int symbolicFontCount = 8;
const gfontName* symbolicFont(int index);
// The place of a record in that order, -1 for anything else.
int symbolicFontIndex(const gfontName* font);
// The record of a symbolic name in any letter case, null for any other text.
const gfontName* findFontName(const gstrSlice& name);
// "ALTERNATE", the font of texts whose properties give none.
const gfontName* alternateFont();
