#pragma once

#include "foundation/gstr.h"

// The choices of a Change/Duplicate SABus Requests run that the requests, their
// bodies and their response data read while they replace texts and rebind
// registers and programs: the find and replace texts with how they match, and
// which parts of a request the replacement applies to.
struct gsabusReplaceOptions {
    gstr find;
    gstr replace;
    bool wholeWord = false;
    bool matchCase = false;

    bool names = false;
    bool fixedParameters = false;
    bool registersInQueries = false;
    bool programsInQueries = false;
    bool programArgumentsInQueries = false;
    bool commandPrograms = false;
    bool commandProgramArguments = false;
};
