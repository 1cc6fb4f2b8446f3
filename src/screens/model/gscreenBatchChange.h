#pragma once

#include "foundation/gstr.h"

#include <cstdint>

// One find-and-replace request of Change Screen Objects: the texts, the
// matching options and what the replacement reaches in each selected object.
struct gscreenBatchChange {
    gstr findText;
    gstr replaceText;
    int32_t wholeWord = 0;
    int32_t matchCase = 0;
    // Scopes: texts of objects; registers of indicators and labels (single
    // replacement in the tag); programs of controls; their arguments;
    // screens of controls.
    int32_t text = 0;
    int32_t registers = 0;
    int32_t programs = 0;
    int32_t programArguments = 0;
    int32_t screens = 0;

    // Every occurrence in a text; the number replaced.
    int replaceAllIn(gstr& target) const
    {
        return target.replaceAll(findText, replaceText, wholeWord != 0, matchCase != 0);
    }
    // The first occurrence in a copy of a tag; 1 when it changed.
    int replaceFirstIn(gstr& target) const
    {
        return target.replaceFirstMatch(findText, replaceText, wholeWord != 0, matchCase != 0);
    }
};
