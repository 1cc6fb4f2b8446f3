// station-roundtrip IN OUT: loads IN as the editor's Open does (a library
// when the name ends in ".kdl" or ".korvel-drivers") and saves the whole
// station or library to OUT. On a failed load it prints the message the user
// would have seen and exits 1. A tool for checks of the file format.
#include "foundation/gmessageService.h"
#include "store/safeSave.h"
#include "store/stationFile.h"

#include <cstdio>
#include <string>

namespace {

// Keeps the texts shown; the box of an unopenable file is answered Cancel.
class capturedMessages final : public gmessageService {
public:
    ganswer messageBox(const gstrSlice& text, gbuttons buttons, gicon, int) override
    {
        shown.append(text.view());
        shown.append("\n");
        return buttons == gbuttons::ok ? ganswer::ok : ganswer::cancel;
    }
    bool enterText(gstr&, bool) override { return false; }
    bool warningList(const gstrSlice&, bool question) override { return !question; }

    std::string shown;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: station-roundtrip IN OUT\n");
        return 2;
    }
    capturedMessages messages;
    installMessageService(&messages);
    gstrSlice in(argv[1]);
    if (loadObjectFile(in, isLibraryFileName(in), false) != 0) {
        std::fputs(messages.shown.c_str(), stdout);
        return 1;
    }
    gstr reason;
    if (!saveObjectFileSafely(gstrSlice(argv[2]), false, reason)) {
        std::printf("%s\n", reason.data());
        return 1;
    }
    return 0;
}
