#include "foundation/gmessageService.h"

#include <cstdio>

namespace {

// Used where no window exists (command-line tools): the text goes to standard
// error and every question is answered in the way that changes nothing.
class silentMessageService final : public gmessageService {
public:
    ganswer messageBox(const gstrSlice& text, gbuttons buttons, gicon, int) override
    {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.length()), text.data() ? text.data() : "");
        switch (buttons) {
        case gbuttons::ok: return ganswer::ok;
        case gbuttons::yesNo: return ganswer::no;
        case gbuttons::abortRetryIgnore: return ganswer::abort;
        default: return ganswer::cancel;
        }
    }

    bool enterText(gstr&, bool) override { return false; }

    bool warningList(const gstrSlice& text, bool question) override
    {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.length()), text.data() ? text.data() : "");
        return !question;
    }
};

silentMessageService silentService;
gmessageService* installed = &silentService;

} // namespace

gmessageService& messageService() { return *installed; }

void installMessageService(gmessageService* service) { installed = service ? service : &silentService; }
