#pragma once

#include "platform/CDialog.h"

class CEscapedStringEdit;
class glegacyParameter;

// Creates, edits or duplicates a legacy parameter: tag, name and default
// value (shown as text or hex). New passes neither source nor target,
// Duplicate the source alone, Edit the same parameter twice.
class CEditLegacyParameterDialog : public CDialog {
public:
    static constexpr int templateId = 544;
    static constexpr int tagId = 1326;
    static constexpr int nameId = 1480;
    static constexpr int defaultValueId = 1496;

    CEditLegacyParameterDialog(glegacyParameter* source, glegacyParameter* target, QWidget* parent);

    // The parameter made or edited, after OK.
    glegacyParameter* parameter() const { return target_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void saveSettings();

    glegacyParameter* source_;
    glegacyParameter* target_;
    CEscapedStringEdit* defaultValue_;
};
