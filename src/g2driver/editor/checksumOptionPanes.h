#pragma once

#include "platform/CDialog.h"

#include <cstdint>

class CHexDecSpinEdit;
class g2driverChecksum;

// The option panes of the checksum kinds: borderless child dialogs, created
// hidden at the top-left corner of a placeholder of their host, each ending
// with the "Data Format" separator under which the host's format page lies.
class CChecksumOptionPaneBase : public CDialog {
public:
    // Child of host over the placeholder, hidden.
    void createOver(CDialog& host, int placeholderId);

protected:
    explicit CChecksumOptionPaneBase(int templateId);
    // The separator line labelled "Data Format" at y dialog units.
    void addSeparator(int y);
};

// Post-processing (861), for Modulo 128, Modulo 256 and the printable
// checksum: none, ones' or two's complement.
class CPostProcessingPane : public CChecksumOptionPaneBase {
public:
    static constexpr int postProcessingId = 2072;

    CPostProcessingPane();

    void load(const g2driverChecksum* settings);
    int postProcessing() const { return selectedItem(postProcessingId); }
    void setPostProcessing(int value) { selectItem(postProcessingId, value); }
};

// Char size and post-processing (865), for the simple sum and the LRC.
class CCharSizeOptionsPane : public CChecksumOptionPaneBase {
public:
    static constexpr int charSizeId = 2071;
    static constexpr int postProcessingId = 2072;

    CCharSizeOptionsPane();

    void load(const g2driverChecksum* settings);
    int charSize() const { return selectedItem(charSizeId); }
    int postProcessing() const { return selectedItem(postProcessingId); }
    void setPostProcessing(int value) { selectItem(postProcessingId, value); }
};

// The CRC start value and final xor mask (860): the kind's standard pair
// unless "Customize algorithm" is checked, shown in decimal or hexadecimal
// after "CRCHexMode", which the pane writes back when it is destroyed.
class CCrcOptionsPane : public CChecksumOptionPaneBase {
public:
    static constexpr int initialId = 2062;
    static constexpr int finalXorId = 1825;
    static constexpr int showAsDecimalId = 2065;
    static constexpr int showAsHexId = 1434;
    static constexpr int customizeId = 1844;

    CCrcOptionsPane();
    ~CCrcOptionsPane() override;

    void load(const g2driverChecksum* settings);
    // The kind (3, 4 or 5) whose standard pair and limit apply from now on.
    void setKind(int32_t kind);
    // The pair to store; false after the kind's message.
    bool read(uint32_t& initial, uint32_t& finalXor);

private:
    void showStandard();
    void customizeClicked();
    void displayClicked();

    CHexDecSpinEdit* initial_;
    CHexDecSpinEdit* finalXor_;
    int32_t kind_ = 0;
    bool loaded_ = false;
};
