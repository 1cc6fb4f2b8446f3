#pragma once

#include "formats/ui/CDataFormatPage.h"

class gonOffPatterns;

// The pane of the two patterns a bistate value is recognised by. Form 0:
// template 744, "on" above "off"; form 1: template 793, side by side; any
// other form: template 892, "true" and "false".
class COnOffPatternPane : public CDataFormatPage {
public:
    static constexpr int onFieldId = 1860;
    static constexpr int offFieldId = 1370;

    // Null leaves both fields empty.
    void create(CDialog& host, int placeholderId, const gonOffPatterns* patterns, int form);
    // Both patterns are replaced only when both compile; neither may match
    // nothing.
    bool apply(gonOffPatterns& patterns);
};
