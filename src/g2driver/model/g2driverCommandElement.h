#pragma once

#include "g2driver/model/g2driverCommandDataName.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class g2driver;
class g2driverCommand;
class g2driverCommandBuilder;
class g2driverCommandOutput;
class g2driverCommandTemplate;
class g2driverParameterTable;
class g2driverProgram;

using g2driverProgramTable = jhashTypedDatabaseTable<g2driverProgram>;

// The type ids of the command elements, in the order of their keywords'
// choice in the editor.
namespace g2commandElementType {
constexpr int fixedString = 0;
constexpr int delay = 1;
constexpr int bistate = 2;
constexpr int digitalNumber = 3;
constexpr int digitalStrings = 4;
constexpr int analog = 5;
constexpr int string = 6;
constexpr int bitField = 7;
constexpr int length = 8;
constexpr int checksum = 9;
constexpr int data = 10;
} // namespace g2commandElementType

// One part of the bytes of a command (block COMMAND_ELEMENT <kind>): in a
// command template's element array, or among the content elements of a
// command's DATA block. Assembly asks each element for its output in two
// passes (g2driverCommandBuilder).
class g2driverCommandElement : public gstorable, public greferrer {
public:
    g2driverCommandElement() = default;
    g2driverCommandElement& operator=(const g2driverCommandElement&) = delete;
    ~g2driverCommandElement() override = default;

    // A new, empty element of the kind the keyword token names; DATA only
    // when allowData. Null for any other token.
    static g2driverCommandElement* create(int token, bool allowData);

    // The element's text in element lists.
    virtual gstr describe() const = 0;
    // A copy for a command's DATA block, its parameter bound by tag in the
    // command's table and its program in programs (none: unbound). DATA
    // does not allow it.
    virtual g2driverCommandElement* duplicate(g2driverParameterTable& commandParameters,
                                              g2driverProgramTable* programs) const;
    // A copy for another template: DRIVER_PARAM references bound in the
    // first table, TEMPLATE_PARAM ones in the second, a DATA element's name
    // defined in dataNames.
    virtual g2driverCommandElement* cloneForTemplate(g2driverParameterTable& driverParameters,
                                                     g2driverParameterTable& templateParameters,
                                                     g2driverCommandDataNameTable& dataNames,
                                                     g2driverProgramTable* programs) const = 0;
    virtual int typeId() const = 0;
    // The DATA element's name; null for the others.
    virtual g2driverCommandDataName* commandDataName() const { return nullptr; }
    virtual void setTemplate(g2driverCommandTemplate* owner) { template_ = owner; }
    virtual void setCommand(g2driverCommand* owner) { command_ = owner; }
    virtual void setDriver(g2driver*) {}
    // Appends the element's bytes for the pass (1 or 2) to its own output.
    virtual void encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output) = 0;

    g2driverCommandTemplate* getTemplate() const noexcept { return template_; }
    g2driverCommand* getCommand() const noexcept { return command_; }

    // The template's description, else "A command element".
    void describeReferrer(gstr& text) const override;

protected:
    // A copy belongs to no owner until one adopts it.
    g2driverCommandElement(const g2driverCommandElement&) noexcept : gstorable(), greferrer() {}
    // COMMAND_ELEMENT and the kind keyword.
    static void writeKindHeader(CObjectFile& file, int indent, int kindToken);

private:
    g2driverCommandTemplate* template_ = nullptr;
    g2driverCommand* command_ = nullptr;
};
