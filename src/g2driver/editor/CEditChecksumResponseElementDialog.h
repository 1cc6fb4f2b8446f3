#pragma once

#include "formats/gintegerInputFormat.h"
#include "formats/ui/CIntegerInputFormatPage.h"
#include "g2driver/editor/CChecksumElementDialog.h"
#include "g2driver/editor/CResponseElementDialogBase.h"
#include "g2driver/model/g2driverChecksumResponseElement.h"

// Edit Checksum Element (753) of a response: the checksum is read in the
// integer input format.
class CEditChecksumResponseElementDialog
    : public CChecksumElementDialog<CResponseElementDialogBase, g2driverChecksumResponseElement,
                                    CIntegerInputFormatPage, gintegerInputFormat> {
public:
    static constexpr int templateId = 753;

    CEditChecksumResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                       g2driverResponseElement* target, QWidget* parent);

    CIntegerInputFormatPage& formatPage() { return page_; }

protected:
    gprocessorCall::programTable* programs() const override;
    void createPage(const gintegerInputFormat* format) override;
    g2driverResponseElement* makeElement() const override;
    void storeFields(g2driverResponseElement& element) override;
};
