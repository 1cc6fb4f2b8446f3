#include "legacy/ui/escapedModeButtons.h"

#include "platform/CDialog.h"
#include "shell/CEscapedStringEdit.h"

#include <vector>

namespace escapedModeButtons {

void show(CDialog& dialog, int hexMode) { dialog.checkRadioButton(hexId, textId, hexMode ? hexId : textId); }

bool switchEdits(CDialog& dialog, std::initializer_list<CEscapedStringEdit*> edits, int hexMode)
{
    std::vector<CEscapedStringEdit*> switched;
    for (CEscapedStringEdit* edit : edits) {
        int previous = edit->hexMode();
        if (!edit->setHexMode(hexMode, false)) {
            for (CEscapedStringEdit* back : switched)
                back->setHexMode(previous, true);
            show(dialog, previous);
            return false;
        }
        switched.push_back(edit);
    }
    show(dialog, hexMode);
    return true;
}

} // namespace escapedModeButtons
