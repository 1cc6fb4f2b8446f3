#pragma once

#include "foundation/gstr.h"

#include <QtContainerFwd>

// What the command line asks: open a file, start a new station, or
// something else (printing, registration) that the editor leaves alone.
// "-nologo" keeps the splash window away.
struct commandLineInfo {
    enum shellCommand { fileNew, fileOpen, other };

    shellCommand command = fileNew;
    gstr fileName;
    bool showSplash = true;

    // The arguments after the program's name.
    static commandLineInfo parse(const QStringList& arguments);
};
