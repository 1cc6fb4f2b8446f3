#pragma once

#include "legacy/glegacyDriver.h"
#include "platform/CDialog.h"

class CLegacyDriverPane;
class CRealSpinEdit;
class QTabBar;

// Creates, edits or duplicates a legacy device driver: its tag, name,
// response prefix, suffix and error pattern, delay, and on two tab pages its
// commands and responses (polling) and its messages and replies
// (unsolicited). The entries are edited as working copies; the driver
// changes only when OK succeeds. New passes neither source nor target,
// Duplicate the source alone, Edit the same driver twice.
class CEditLegacyDriverDialog : public CDialog {
public:
    static constexpr int templateId = 540;
    static constexpr int tagId = 1470;
    static constexpr int nameId = 1326;
    static constexpr int prefixId = 1380;
    static constexpr int suffixId = 1468;
    static constexpr int delayId = 1201;
    static constexpr int errorPatternId = 1253;
    static constexpr int tabId = 1673;
    static constexpr int placeholderId = 1674;
    static constexpr int replaceId = 1398;
    static constexpr int checksumId = 1156;

    CEditLegacyDriverDialog(glegacyDriver* source, glegacyDriver* target, QWidget* parent);
    ~CEditLegacyDriverDialog() override;

    // The driver made or edited, after OK.
    glegacyDriver* driver() const { return target_; }
    glegacyDriver* source() const { return source_; }
    bool isEditing() const { return target_ != nullptr && target_ == source_; }

    glegacyCommandTable& workingCommands() { return commands_; }
    glegacyResponseTable& workingResponses() { return responses_; }
    // 0 polling, 1 unsolicited.
    CLegacyDriverPane& pane(int index) const { return *panes_[index]; }

    // After a pane's list grew or shrank.
    void updateButtons();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void showPane(int index);
    void fillFields();
    // The field's pattern (none when empty) or false after its message.
    bool readPattern(int id, int messageId, gregexp& pattern);
    void saveSettings();

    glegacyDriver* source_;
    glegacyDriver* target_;
    glegacyCommandTable commands_{glegacyDriver::tableBuckets};
    glegacyResponseTable responses_{glegacyDriver::tableBuckets};
    CRealSpinEdit* delay_;
    QTabBar* tabs_;
    CLegacyDriverPane* panes_[2];
};
