#pragma once

#include "foundation/gstr.h"

// Help, where the program used to call WinHelp: the help file is opened with
// the desktop's viewer when it exists; otherwise the user is told that help is
// not installed. The request itself is kept so that tests can read what was
// asked.
enum class helpCommand { contents, context, keyword };

struct helpRequest {
    gstr file;
    helpCommand command = helpCommand::contents;
    unsigned context = 0;
    gstr keyword;
};

// The current help file; empty when the help folder is not known, and then
// help commands open nothing.
void setHelpFile(const gstrSlice& path);
const gstr& helpFile();

void showHelp(helpCommand command, unsigned context = 0, const gstrSlice& keyword = gstrSlice::null);
// The last request made, whether or not a file was opened.
const helpRequest& lastHelpRequest();
