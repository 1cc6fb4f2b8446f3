#pragma once

#include "formats/gintegerOutputFormat.h"
#include "formats/ui/CIntegerOutputFormatPage.h"
#include "g2driver/editor/CChecksumElementDialog.h"
#include "g2driver/editor/CCommandElementDialogBase.h"
#include "g2driver/model/g2driverChecksumCommandElement.h"

// Edit Checksum Element (729) of a command: the checksum is written in the
// integer output format.
class CEditChecksumCommandElementDialog
    : public CChecksumElementDialog<CCommandElementDialogBase, g2driverChecksumCommandElement,
                                    CIntegerOutputFormatPage, gintegerOutputFormat> {
public:
    static constexpr int templateId = 729;

    CEditChecksumCommandElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                      g2driverCommandElement* edited, QWidget* parent);

    CIntegerOutputFormatPage& page() { return page_; }

protected:
    gprocessorCall::programTable* programs() const override;
    void createPage(const gintegerOutputFormat* format) override;
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;
};
