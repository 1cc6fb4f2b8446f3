#pragma once

#include "registers/sources/g2driverCommandDataSource.h"
#include "store/gprocessorCall.h"

// PROCESSOR: the command's data go to an SCL program of the driver with the
// call's arguments, optionally cut to a fixed width. Lines after the
// command data: a PROGRAM block with the call's lines, then LENGTH.
class g2driverProcessorSource : public g2driverCommandDataSource {
public:
    g2driverProcessorSource() = default;

    gprocessorCall& call() noexcept { return call_; }
    const gprocessorCall& call() const noexcept { return call_; }
    int32_t getLength() const noexcept { return length_; }
    void setLength(int32_t length) noexcept { length_ = length; }

    bool acceptsValueKind(int32_t) const override { return true; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 14; }
    const gstr& getKindName() const override { return kindNameText(20074); }
    // The layer's, then the call refers to the driver's program of its tag.
    void bindDriver(g2driver* driver) override;
    void collectUses(gusesList& uses) override;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverProcessorSource(const g2driverProcessorSource& other, const g2driverSourceTables& tables);

    gprocessorCall call_;
    int32_t length_ = 0;
};

// The PROGRAM block of a source's call: "PROGRAM" alone, the call's lines
// one level deeper, "END"; nothing without a program.
void writeProgramBlock(CObjectFile& file, int indent, const gprocessorCall& call);
// A PROGRAM line of a source: refused twice or with a value; otherwise the
// call reads the following lines up to its END.
gloadStatus loadProgramBlock(gstorable& owner, gprocessorCall& call, const gstr& value);
// The call's program becomes the one of its tag in the table (a
// placeholder when absent), and the table the call's.
void rebindProgram(gprocessorCall& call, jhashTypedDatabaseTable<g2driverProgram>& programs);
