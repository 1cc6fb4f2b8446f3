#pragma once

#include "formats/ui/CDataFormatPage.h"

class gstringMatch;

// The page of a string match: the source texts of PREFIX, PATTERN and
// SUFFIX. Template 738 (variant 0: one under the other) or 796 (prefix and
// suffix side by side above a wide pattern).
class CStringMatchPage : public CDataFormatPage {
public:
    static constexpr int prefixId = 1380;
    static constexpr int patternId = 1369;
    static constexpr int suffixId = 1468;

    // Null leaves the three fields empty.
    void create(CDialog& host, int placeholderId, const gstringMatch* match, int variant);
    // Nothing is stored until all three texts compile, each with the
    // zero-length rule of the record's own pattern.
    bool apply(gstringMatch& match);
};
