#pragma once

#include "platform/CDialog.h"

#include <functional>

// The modeless Find and Replace dialogs, with the controls of the system's
// common dialogs. Every button tells the owner through the notification
// function; the dialog stays open until Cancel or its close box, which tell
// the owner too and then let it go.
class CFindReplaceDialog : public CDialog {
public:
    static constexpr int findTemplate = 1540;
    static constexpr int replaceTemplate = 1541;
    static constexpr int findWhatId = 1152;
    static constexpr int replaceWithId = 1153;
    static constexpr int wholeWordId = 1040;
    static constexpr int matchCaseId = 1041;
    static constexpr int upId = 1056;
    static constexpr int downId = 1057;
    static constexpr int replaceId = 1024;     // "&Replace"
    static constexpr int replaceAllId = 1025;  // "Replace &All"

    enum notification { findNext, replaceOne, replaceAll, closing };
    using notifier = std::function<void(CFindReplaceDialog&, notification)>;

    CFindReplaceDialog(bool replace, const gstrSlice& findText, bool down, bool matchCase, QWidget* owner,
                       notifier notify);

    bool isReplace() const { return templateId() == replaceTemplate; }
    gstr findText() const { return controlText(findWhatId); }
    gstr replaceText() const;
    bool searchDown() const;
    bool matchCase() const { return isChecked(matchCaseId); }
    bool wholeWord() const { return isChecked(wholeWordId); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void enableButtons();

    gstr initialText_;
    bool down_;
    bool matchCase_;
    notifier notify_;
};
