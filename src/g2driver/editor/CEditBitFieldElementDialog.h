#pragma once

#include "formats/gintegerOutputFormat.h"
#include "formats/ui/CIntegerOutputFormatPage.h"
#include "g2driver/editor/CCommandElementDialogBase.h"

#include <array>
#include <cstdint>

class g2driverParameter;

// Edit Bistate Parameter Bits Element (727): one byte of eight bits, each a
// bistate parameter (possibly inverted) or a constant, and the integer
// output format. The mask byte holds the inversions and the constants.
class CEditBitFieldElementDialog : public CCommandElementDialogBase {
public:
    static constexpr int templateId = 727;
    static constexpr int bitCount = 8;
    static constexpr int firstBitId = 1806;
    static constexpr int firstInvertId = 1814;
    // The entries every bit combo starts with.
    static constexpr int alwaysZero = 0;
    static constexpr int alwaysOne = 1;

    CEditBitFieldElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                               g2driverCommandElement* edited, QWidget* parent);

    CIntegerOutputFormatPage& page() { return page_; }

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    g2driverParameter* selectedParameter(int bit) const;
    void enableInvert(int bit);

    CIntegerOutputFormatPage page_;
    gintegerOutputFormat format_;
    std::array<g2driverParameter*, bitCount> bits_{};
    uint8_t mask_ = 0;
};
