#pragma once

#include "foundation/gregexp.h"
#include "platform/CDialog.h"

#include <memory>

// The entry of one regular expression: template 524 "Edit Alarm Trigger"
// or 522 "Edit Allowed String". OK compiles the text as typed (no quotes,
// blanks kept) and refuses a pattern that is not valid or can match an
// empty text. The result goes into the given target, else into a new
// pattern that the caller takes.
class CRegexpEntryDialog : public CDialog {
public:
    static constexpr int alarmTriggerTemplate = 524;
    static constexpr int allowedStringTemplate = 522;
    static constexpr int fieldId = 1660;

    // Without a target the caption is the string newCaptionId.
    CRegexpEntryDialog(int templateId, int newCaptionId, const gregexp* shown, gregexp* target,
                       QWidget* parent = nullptr);

    // The new pattern after OK without a target.
    std::unique_ptr<gregexp> takePattern() { return std::move(made_); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int newCaptionId_;
    const gregexp* shown_;
    gregexp* target_;
    std::unique_ptr<gregexp> made_;
};
