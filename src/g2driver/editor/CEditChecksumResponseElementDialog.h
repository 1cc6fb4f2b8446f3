#pragma once

#include "formats/gintegerInputFormat.h"
#include "formats/ui/CIntegerInputFormatPage.h"
#include "g2driver/editor/CChecksumOptionsPane.h"
#include "g2driver/editor/CResponseElementDialogBase.h"
#include "g2driver/editor/checksumTypeChoice.h"
#include "g2driver/model/g2driverChecksum.h"

#include <cstdint>
#include <memory>

// Edit Checksum Element (753) of a response: the bytes left out at the
// start and before the checksum, the kind with its options over
// placeholder 1844, and the integer input format the checksum is read in,
// which moves down with the options pane.
class CEditChecksumResponseElementDialog : public CResponseElementDialogBase {
public:
    static constexpr int templateId = 753;
    static constexpr int skipFirstId = 1823;
    static constexpr int skipLastId = 1825;
    static constexpr int typeId = checksumTypeChoice::typeId;
    static constexpr int optionsPlaceholderId = checksumTypeChoice::optionsPlaceholderId;

    CEditChecksumResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                       g2driverResponseElement* target, QWidget* parent);

    CChecksumOptionsPane& options() { return options_; }
    CIntegerInputFormatPage& formatPage() { return page_; }

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    g2driverResponseElement* makeElement() const override;
    void storeFields(g2driverResponseElement& element) override;

private:
    CIntegerInputFormatPage page_;
    CChecksumOptionsPane options_;
    checksumTypeChoice choice_;
    std::unique_ptr<g2driverChecksum> settings_;
    gintegerInputFormat format_;
    int32_t skipFirst_ = 0;
    int32_t skipLast_ = 0;
};
