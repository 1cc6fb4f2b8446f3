#pragma once

#include "foundation/gmilliseconds.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "g2driver/model/g2driverProgram.h"
#include "ports/g2driverErrorHandling.h"
#include "ports/gcommandSequence.h"
#include "store/gimportableDriver.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

// A device driver of the current generation (object type G2DRIVER), kept in
// the station's or the library's G2 driver table: its parameters, minimum
// delay between commands and default number of attempts, error codes and
// error handling, command templates, commands, data objects, programs and
// its three initialization sequences.
class g2driver : public gtitledObject, public gimportableDriver {
public:
    g2driver();
    g2driver(const g2driver&) = delete;
    g2driver& operator=(const g2driver&) = delete;
    ~g2driver() override;

    const gobjectType* getObjectType() const override;
    // Leaves the library for the station under a free tag.
    void importIntoStation() override;
    // One line per placeholder of every table, and the own placeholders of
    // every defined template, command and data object.
    void listUndefinedReferences(gstr& text) const override;

    gusedByList& usedBy() noexcept { return usedBy_; }
    g2driverParameterTable& parameters() noexcept { return parameters_; }
    // Not set until read or edited; 0 after loading when none was read.
    gmilliseconds getDelay() const noexcept { return delay_; }
    void setDelay(gmilliseconds delay) noexcept { delay_ = delay; }
    // The default number of attempts of a command; 1 after loading when
    // none was read.
    int32_t getRetries() const noexcept { return retries_; }
    void setRetries(int32_t retries) noexcept { retries_ = retries; }
    g2driverErrorCodeTable& errorCodes() noexcept { return errorCodes_; }
    g2driverErrorHandling& errorHandling() noexcept { return errorHandling_; }
    jhashTypedDatabaseTable<g2driverCommandTemplate>& templates() noexcept { return templates_; }
    jhashTypedDatabaseTable<g2driverCommand>& commands() noexcept { return commands_; }
    const jhashTypedDatabaseTable<g2driverCommand>& commands() const noexcept { return commands_; }
    jhashTypedDatabaseTable<g2driverDataObject>& dataObjects() noexcept { return dataObjects_; }
    g2driverProgramTable& programs() noexcept { return programs_; }

    gcommandSequence& firstTimeSequence() noexcept { return firstTime_; }
    gcommandSequence& reinitSequence() noexcept { return reinit_; }
    gcommandSequence& commonSequence() noexcept { return common_; }

    // The entry of the tag, a placeholder when absent, with this driver set.
    g2driverCommand* referenceCommand(const gstrSlice& tag);
    g2driverCommandTemplate* referenceTemplate(const gstrSlice& tag);
    g2driverDataObject* referenceDataObject(const gstrSlice& tag);

    // The Edit Device Driver dialog's apply: the templates of the edited
    // table replace the driver's; commands and data objects are redefined
    // by tag, so that references to them stay valid, and those the edited
    // table no longer holds go unless something still uses them.
    void replaceTemplates(jhashTypedDatabaseTable<g2driverCommandTemplate>& edited);
    void replaceCommands(jhashTypedDatabaseTable<g2driverCommand>& edited);
    void replaceDataObjects(jhashTypedDatabaseTable<g2driverDataObject>& edited);

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // Defaults for what was not read: delay 0, one attempt, errors ignored
    // by default and neither reinitialized nor retried.
    void afterLoad() override;

private:
    gloadStatus loadErrorCode(const gstr& value);
    gloadStatus loadErrorHandling(const gstr& value);
    gloadStatus loadSequence(const gstr& value);
    gloadStatus loadDataObject(const gstr& value);
    void writeErrorCodes(CObjectFile& file, int indent) const;

    // Members are destroyed in reverse: programs, the sequences, data
    // objects, commands, templates, error handling, error codes, parameters.
    gusedByList usedBy_;
    g2driverParameterTable parameters_;
    gmilliseconds delay_;
    int32_t retries_ = 0;
    g2driverErrorCodeTable errorCodes_{5};
    g2driverErrorHandling errorHandling_;
    jhashTypedDatabaseTable<g2driverCommandTemplate> templates_{10};
    jhashTypedDatabaseTable<g2driverCommand> commands_{20};
    jhashTypedDatabaseTable<g2driverDataObject> dataObjects_{50};
    gcommandSequence firstTime_;
    gcommandSequence reinit_;
    gcommandSequence common_;
    g2driverProgramTable programs_{10};
};
