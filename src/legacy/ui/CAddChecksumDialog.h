#pragma once

#include "legacy/glegacyDriver.h"
#include "platform/CDialog.h"

class CUnsignedSpinEdit;

// Appends a one-byte checksum to every working command and reply string of
// the Edit Legacy Driver dialog, or writes it over a byte near the end, as
// often as "&Add/Change" is pressed before "&Close".
class CAddChecksumDialog : public CDialog {
public:
    static constexpr int templateId = 526;
    static constexpr int lrcId = 1314;
    static constexpr int modulus256Id = 1324;
    static constexpr int printableId = 1323;
    static constexpr int replaceId = 1398;
    static constexpr int offsetId = 1157;
    static constexpr int excludeId = 1254;
    static constexpr int excludeSizeId = 1256;
    static constexpr int addId = 1004;

    CAddChecksumDialog(glegacyCommandTable& commands, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    int typeIndex() const;
    void enableFields();
    void addOrChange();

    glegacyCommandTable& commands_;
    CUnsignedSpinEdit* offset_;
    CUnsignedSpinEdit* excludeSize_;
};
