#pragma once

#include "foundation/gmilliseconds.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "ports/g2driverErrorHandling.h"
#include "ports/gcommandSequence.h"
#include "store/gimportableDriver.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

// A device driver of the current generation (object type G2DRIVER), kept in
// the station's or the library's G2 driver table: its parameters, minimum
// delay between commands, error codes and error handling, command templates,
// commands and its three initialization sequences. Data objects, programs
// and retries come with the G2 driver model.
class g2driver : public gtitledObject, public gimportableDriver {
public:
    g2driver();
    g2driver(const g2driver&) = delete;
    g2driver& operator=(const g2driver&) = delete;
    ~g2driver() override;

    const gobjectType* getObjectType() const override;
    void importIntoStation() override;
    // One line per placeholder of the parameter, error-code, template and
    // command tables.
    void listUndefinedReferences(gstr& text) const override;

    gusedByList& usedBy() noexcept { return usedBy_; }
    g2driverParameterTable& parameters() noexcept { return parameters_; }
    // Not set until read or edited.
    gmilliseconds getDelay() const noexcept { return delay_; }
    void setDelay(gmilliseconds delay) noexcept { delay_ = delay; }
    jhashTypedDatabaseTable<g2driverErrorCode>& errorCodes() noexcept { return errorCodes_; }
    g2driverErrorHandling& errorHandling() noexcept { return errorHandling_; }
    jhashTypedDatabaseTable<g2driverCommandTemplate>& templates() noexcept { return templates_; }
    jhashTypedDatabaseTable<g2driverCommand>& commands() noexcept { return commands_; }
    const jhashTypedDatabaseTable<g2driverCommand>& commands() const noexcept { return commands_; }

    gcommandSequence& firstTimeSequence() noexcept { return firstTime_; }
    gcommandSequence& reinitSequence() noexcept { return reinit_; }
    gcommandSequence& commonSequence() noexcept { return common_; }

    // The entry of the tag, a placeholder when absent, with this driver set.
    g2driverCommand* referenceCommand(const gstrSlice& tag);
    g2driverCommandTemplate* referenceTemplate(const gstrSlice& tag);

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;

private:
    gloadStatus loadErrorCode(const gstr& value);
    gloadStatus loadErrorHandling(const gstr& value);
    gloadStatus loadSequence(const gstr& value);
    void writeErrorCodes(CObjectFile& file, int indent) const;

    gusedByList usedBy_;
    g2driverParameterTable parameters_;
    gmilliseconds delay_;
    jhashTypedDatabaseTable<g2driverErrorCode> errorCodes_{5};
    g2driverErrorHandling errorHandling_;
    jhashTypedDatabaseTable<g2driverCommandTemplate> templates_{10};
    jhashTypedDatabaseTable<g2driverCommand> commands_{20};
    gcommandSequence firstTime_;
    gcommandSequence reinit_;
    gcommandSequence common_;
};
