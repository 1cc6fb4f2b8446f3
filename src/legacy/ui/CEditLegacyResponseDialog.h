#pragma once

#include "legacy/glegacyDriver.h"
#include "platform/CDialog.h"

// Creates, edits or duplicates one working RESPONSE or MESSAGE of the Edit
// Legacy Driver dialog: its tag, its data mask (one of the station's masks)
// and, for a message, the reply sent back. Works on the owner's working
// tables only. Without any mask in the station it says so and cancels.
class CEditLegacyResponseDialog : public CDialog {
public:
    static constexpr int tagId = 1470;
    static constexpr int maskId = 1318;
    static constexpr int replyId = 1319;

    CEditLegacyResponseDialog(const glegacyCommandTable& commands, glegacyResponseTable& responses, bool messageSide,
                              glegacyResponse* source, glegacyResponse* target, QWidget* parent);

    // The entry made or edited, after OK.
    glegacyResponse* entry() const { return target_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillReplies();
    // False when the station has no mask.
    bool fillMasks();

    const glegacyCommandTable& commands_;
    glegacyResponseTable& responses_;
    bool messageSide_;
    glegacyResponse* source_;
    glegacyResponse* target_;
};
