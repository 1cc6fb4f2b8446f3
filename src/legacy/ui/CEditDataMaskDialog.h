#pragma once

#include "platform/CDialog.h"

class CNonNegativeSpinEdit;
class CRealSpinEdit;
class glegacyMask;
class gregexp;

// Creates, edits or duplicates a legacy data mask: tag, name, prefix,
// pattern, suffix, error pattern, buffer size and timeout. Nothing reaches
// the mask before every field has passed. New passes neither source nor
// target, Duplicate the source alone, Edit the same mask twice.
class CEditDataMaskDialog : public CDialog {
public:
    static constexpr int templateId = 542;
    static constexpr int tagId = 1470;
    static constexpr int nameId = 1326;
    static constexpr int prefixId = 1380;
    static constexpr int suffixId = 1468;
    static constexpr int patternId = 1369;
    static constexpr int bufferSizeId = 1041;
    static constexpr int timeoutId = 1479;
    static constexpr int errorPatternId = 1253;

    CEditDataMaskDialog(glegacyMask* source, glegacyMask* target, QWidget* parent);

    // The mask made or edited, after OK.
    glegacyMask* mask() const { return target_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillFields();
    // An optional field's pattern (none when empty) or false after its
    // message.
    bool readPattern(int id, int messageId, gregexp& pattern);

    glegacyMask* source_;
    glegacyMask* target_;
    CNonNegativeSpinEdit* bufferSize_;
    CRealSpinEdit* timeout_;
};
