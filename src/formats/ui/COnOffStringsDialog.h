#pragma once

#include "formats/ui/CDataFormatPage.h"

class CEscapedStringEdit;
class gonOffStrings;

// The page of the two texts a bistate value is sent as: template 743
// (variant 0, "on" and "off") or 893 (any other variant, "true" and
// "false"). Both fields show their bytes escaped or in hexadecimal, after
// the shared hex mode.
class COnOffStringsDialog : public CDataFormatPage {
public:
    static constexpr int onFieldId = 1713;
    static constexpr int offFieldId = 1712;

    // Null leaves both fields empty.
    void create(CDialog& host, int placeholderId, const gonOffStrings* strings, int variant);
    // One of the two may be empty, not both.
    bool apply(gonOffStrings& strings);

private:
    CEscapedStringEdit* onField_ = nullptr;
    CEscapedStringEdit* offField_ = nullptr;
};
