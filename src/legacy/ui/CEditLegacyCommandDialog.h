#pragma once

#include "legacy/glegacyDriver.h"
#include "platform/CDialog.h"

class CEscapedStringEdit;

// Creates, edits or duplicates one working COMMAND or REPLY of the Edit
// Legacy Driver dialog: its tag, its string (text or hex, with three
// checksum buttons) and, for a command, the response it expects. Works on
// the owner's working tables only. New passes neither source nor target,
// Duplicate the source alone, Edit the same entry twice.
class CEditLegacyCommandDialog : public CDialog {
public:
    static constexpr int tagId = 1470;
    static constexpr int stringId = 1465;
    static constexpr int responseId = 1409;
    static constexpr int lrcId = 1314;
    static constexpr int modulo256Id = 1324;
    static constexpr int printableId = 1323;

    CEditLegacyCommandDialog(glegacyCommandTable& commands, const glegacyResponseTable& responses, bool replySide,
                             glegacyCommand* source, glegacyCommand* target, QWidget* parent);

    // The entry made or edited, after OK.
    glegacyCommand* entry() const { return target_; }

    // The "Printable Chksm." button's byte: bytes taken as signed values.
    static char signedPrintableChecksum(const gstrSlice& bytes);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void fillResponses();
    void switchDisplay(int hexMode);
    void appendChecksum(int button);
    void saveSettings();

    glegacyCommandTable& commands_;
    const glegacyResponseTable& responses_;
    bool replySide_;
    glegacyCommand* source_;
    glegacyCommand* target_;
    CEscapedStringEdit* string_;
};
