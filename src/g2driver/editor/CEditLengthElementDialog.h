#pragma once

#include "formats/gintegerOutputFormat.h"
#include "formats/ui/CIntegerOutputFormatPage.h"
#include "g2driver/editor/CCommandElementDialogBase.h"

#include <cstdint>

// Edit Data Length Element (728): the size of the characters counted, the
// bytes left out after the element and at the end, the offset added and the
// integer output format.
class CEditLengthElementDialog : public CCommandElementDialogBase {
public:
    static constexpr int templateId = 728;
    static constexpr int charSizeId = 2071;
    static constexpr int skipFirstId = 1823;
    static constexpr int skipLastId = 1825;
    static constexpr int offsetId = 1349;

    CEditLengthElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                             g2driverCommandElement* edited, QWidget* parent);

    CIntegerOutputFormatPage& page() { return page_; }

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    bool applyPage() override;
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    CIntegerOutputFormatPage page_;
    gintegerOutputFormat format_;
    int32_t skipFirst_ = 0;
    int32_t skipLast_ = 0;
    int32_t offset_ = 0;
};
