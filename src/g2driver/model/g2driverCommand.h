#pragma once

#include "foundation/gmilliseconds.h"
#include "g2driver/model/g2driverCommandData.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>

class g2driver;
class g2driverCommandTemplate;

// One command of a G2 driver (block COMMAND): its template with the values
// of the template's TEMPLATE_PARAM parameters and the content of each of
// the template's DATA places, its own parameters, whose values come with
// each request to send it, and the template's timeout and buffer size and
// the driver's retries, which it may override.
class g2driverCommand : public jhashDatabaseObject, public gstorable, public greferrer {
public:
    g2driverCommand() = default;
    g2driverCommand(const g2driverCommand&) = delete;
    g2driverCommand& operator=(const g2driverCommand&) = delete;
    ~g2driverCommand() override;

    g2driver* getDriver() const noexcept { return driver_; }
    // Passes the driver on to the elements of the data entries.
    void setDriver(g2driver* driver);
    g2driverParameterTable& parameters() noexcept { return parameters_; }
    const g2driverParameterTable& parameters() const noexcept { return parameters_; }

    g2driverCommandTemplate* getTemplate() const noexcept { return template_; }
    // Another template: its values and data entries go, with their links.
    void setTemplate(g2driverCommandTemplate* commandTemplate);
    // Not set: the template's time applies.
    gmilliseconds getTimeout() const noexcept { return timeout_; }
    void setTimeout(gmilliseconds timeout) noexcept { timeout_ = timeout; }
    // 0: the template's buffer size applies.
    int32_t getBufferSize() const noexcept { return bufferSize_; }
    void setBufferSize(int32_t size) noexcept { bufferSize_ = size; }
    // 0: the driver's retries apply.
    int32_t getRetries() const noexcept { return retries_; }
    void setRetries(int32_t retries) noexcept { retries_ = retries; }
    // The values of the template's TEMPLATE_PARAM parameters by tag.
    g2driverParameterValueTable& templateValues() noexcept { return templateValues_; }
    const g2driverParameterValueTable& templateValues() const noexcept { return templateValues_; }
    // The content of the template's DATA places by name.
    g2driverCommandDataTable& data() noexcept { return data_; }
    const g2driverCommandDataTable& data() const noexcept { return data_; }

    // Its referrers: 0 requests and sequences, 1 references within the
    // driver, 2 register sources from outside it.
    gusedByList& usedBy(int list = 0) noexcept { return usedBy_[list]; }
    bool isUnused() const;
    void describeUsers(gstr& text) const;

    // Takes over the edited values (the table is left empty), linked to the
    // template's parameters.
    void replaceTemplateValues(g2driverParameterValueTable& values);
    // Takes over the edited data entries, linked to the template's names.
    void replaceData(g2driverCommandDataTable& entries);
    // An editable copy of source, its template the one of the same tag in
    // templates; with copyUsers the copy reports the source's users.
    void copyFrom(g2driverCommand& source, jhashTypedDatabaseTable<g2driverCommandTemplate>& templates,
                  g2driverProgramTable* programs, bool copyUsers);
    // Undefined and empty: no driver, template, overrides, values or data;
    // every parameter undefined.
    void reset();
    // One line per placeholder parameter.
    void listUndefinedReferences(gstr& out) const;

    // "The command %s in device driver %s", or "The command %s" without a
    // driver.
    void describeReferrer(gstr& text) const override;

    // COMMAND and the tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // Links the data entries and template values to the template's names
    // and parameters; a value of another kind than its parameter drops the
    // template.
    void afterLoad() override;
    bool isComplete() const override { return template_ != nullptr; }

private:
    void bindTemplate(g2driverCommandTemplate* commandTemplate);
    gloadStatus loadTemplate(const gstr& value);
    gloadStatus loadData(const gstr& value);
    gloadStatus loadTemplateValue(const gstr& value);
    // The uses of the values and data entries, made again; false when a
    // value's kind differs from its parameter's.
    bool linkToTemplate();

    g2driver* driver_ = nullptr;
    g2driverParameterTable parameters_;
    g2driverCommandTemplate* template_ = nullptr;
    gusesList templateUses_{this};
    gmilliseconds timeout_;
    int32_t bufferSize_ = 0;
    int32_t retries_ = 0;
    g2driverParameterValueTable templateValues_{5};
    g2driverCommandDataTable data_{5};
    gusesList templateParameterUses_{this};
    gusesList dataNameUses_{this};
    gusedByList usedBy_[3];
};
