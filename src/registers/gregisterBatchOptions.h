#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class gserialPort;

// The settings of a Modify/Duplicate Registers run that registers, their
// supplements and their sources read while they rebind and replace: the tag
// find and replace, the scope switches, and the changes of ports, devices,
// serial objects and data-buffer offsets that sources apply.
struct gregisterBatchOptions {
    gstr find;
    gstr replace;
    bool wholeWord = false;
    bool matchCase = false;

    bool names = false;
    bool logStrings = false;
    bool automaticControls = false;
    bool controlArguments = false;
    bool serialObjectParameters = false;
    bool registersInSources = false;
    bool programsInSources = false;
    bool programArgumentsInSources = false;
    bool parametersInParameterSources = false;

    // No port change while fromPort is null.
    gserialPort* fromPort = nullptr;
    gserialPort* toPort = nullptr;

    struct renaming {
        bool on = false;
        gstr find;
        gstr replace;
        bool wholeWord = false;
        bool matchCase = false;
    };
    renaming devices;
    renaming serialObjects;

    int32_t offsetShift = 0;
    int32_t minimumOffset = 0;
    gstr dataBufferName;
};
