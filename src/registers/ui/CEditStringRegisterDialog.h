#pragma once

#include "registers/gstringLogInfo.h"
#include "registers/ui/CRegisterDialog.h"

class QListWidget;
class gregexp;

// Edit String Register: the alarm triggers (patterns of the texts that
// raise the alarm, listed sorted by their text, each item owning a copy of
// its pattern) and a copy of the value log format.
class CEditStringRegisterDialog : public CRegisterDialog {
public:
    static constexpr int triggersId = 1304;
    static constexpr int editId = 1652;
    static constexpr int deleteId = 1653;
    static constexpr int duplicateId = 1654;
    static constexpr int newId = 1655;

    CEditStringRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent = nullptr);

    int classCode() const override { return 4; }

    gstringLogInfo& logInfo() { return logInfo_; }

protected:
    void fillClassFields(bool userDefinable) override;
    bool validateClassFields(int level) override;
    void applyClassFields(bool userDefinable) override;
    void OnLogStrings() override;

private:
    void addTrigger(std::unique_ptr<gregexp> pattern);
    void enableButtons(bool enable);
    void onNew();
    void onEdit();
    void onDuplicate();
    void onDelete();
    QListWidget& triggers() const;

    gstringLogInfo logInfo_;
};
