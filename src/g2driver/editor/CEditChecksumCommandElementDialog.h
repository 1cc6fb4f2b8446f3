#pragma once

#include "formats/gintegerOutputFormat.h"
#include "formats/ui/CIntegerOutputFormatPage.h"
#include "g2driver/editor/CChecksumOptionsPane.h"
#include "g2driver/editor/CCommandElementDialogBase.h"
#include "g2driver/editor/checksumTypeChoice.h"
#include "g2driver/model/g2driverChecksum.h"

#include <cstdint>
#include <memory>

// Edit Checksum Element (729): the bytes left out at the start and before
// the checksum, the kind with its options pane over placeholder 1844 and the
// integer output format over 1843, which moves down with the options pane.
class CEditChecksumCommandElementDialog : public CCommandElementDialogBase {
public:
    static constexpr int templateId = 729;
    static constexpr int skipFirstId = 1823;
    static constexpr int skipLastId = 1825;
    static constexpr int typeId = checksumTypeChoice::typeId;
    static constexpr int optionsPlaceholderId = checksumTypeChoice::optionsPlaceholderId;

    CEditChecksumCommandElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                      g2driverCommandElement* edited, QWidget* parent);

    CChecksumOptionsPane& options() { return options_; }
    CIntegerOutputFormatPage& page() { return page_; }

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    CIntegerOutputFormatPage page_;
    CChecksumOptionsPane options_;
    checksumTypeChoice choice_;
    std::unique_ptr<g2driverChecksum> settings_;
    gintegerOutputFormat format_;
    int32_t skipFirst_ = 0;
    int32_t skipLast_ = 0;
};
