#pragma once

#include "legacy/glegacyDriver.h"
#include "platform/CDialog.h"

class CDriverReplacePage;
class QTabBar;

// Changes many working entries of the Edit Legacy Driver dialog at once, one
// kind of change per tab page: a device address written into every command
// string, a byte sequence replaced in them, or the response of commands, the
// mask of responses or the reply of messages exchanged. "Replace &All"
// applies the page shown; nothing reaches the driver before the editor's OK.
class CDriverReplaceDialog : public CDialog {
public:
    static constexpr int templateId = 527;
    static constexpr int tabId = 1490;
    static constexpr int replaceAllId = 1398;
    static constexpr int pageCount = 5;

    CDriverReplaceDialog(glegacyCommandTable& commands, glegacyResponseTable& responses, QWidget* parent);
    ~CDriverReplaceDialog() override;

    glegacyCommandTable& commands() { return commands_; }
    glegacyResponseTable& responses() { return responses_; }
    // Taken when the dialog opens.
    bool hasCommands() const { return hasCommands_; }
    bool hasResponses() const { return hasResponses_; }

    // 0 address, 1 string, 2 response, 3 mask, 4 reply.
    CDriverReplacePage& page(int index) const { return *pages_[index]; }
    int shownPage() const { return shown_; }

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    void layOut();
    void showPage(int index);

    glegacyCommandTable& commands_;
    glegacyResponseTable& responses_;
    bool hasCommands_;
    bool hasResponses_;
    QTabBar* tabs_;
    CDriverReplacePage* pages_[pageCount];
    int shown_ = 0;
};
