#pragma once

#include "platform/CDialog.h"

#include <array>

class CCommandsToSendPage;
class CEditG2DeviceDriverDialog;
class QTabBar;

// The driver's three initialization sequences, one page each, chosen from
// the Edit Device Driver dialog's working commands. OK writes the pages back
// into that dialog's working sequences; Cancel leaves them as they were.
class CInitializationSequenceDialog : public CDialog {
public:
    static constexpr int templateId = 761;
    static constexpr int tabId = 1673;
    static constexpr int placeholderId = 1674;

    CInitializationSequenceDialog(CEditG2DeviceDriverDialog& owner, QWidget* parent);
    ~CInitializationSequenceDialog() override;

    CCommandsToSendPage& page(int index) const { return *pages_[static_cast<size_t>(index)]; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void showPage(int index);

    CEditG2DeviceDriverDialog& owner_;
    QTabBar* tabs_ = nullptr;
    std::array<CCommandsToSendPage*, 3> pages_{};
};
