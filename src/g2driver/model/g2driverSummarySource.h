#pragma once

#include "registers/sources/g2driverDataSource.h"
#include "registers/sources/gdataObjectRef.h"
#include "store/gprocessorCall.h"

#include <memory>
#include <vector>

// SUMMARY: the value combines other data objects of the driver, through an
// SCL program of the driver or, without one, over bistate objects only.
// Lines: a PROGRAM block with the call's lines, then one OBJECT block per
// referenced object (OBJECT <name> and its PARAMETER lines).
class g2driverSummarySource : public g2driverDataSource {
public:
    using referenceList = std::vector<std::unique_ptr<gdataObjectRef>>;

    g2driverSummarySource() = default;

    gprocessorCall& call() noexcept { return call_; }
    const gprocessorCall& call() const noexcept { return call_; }
    referenceList& references() noexcept { return references_; }
    const referenceList& references() const noexcept { return references_; }
    // A new reference of the summary's form (header OBJECT, internal
    // objects allowed).
    static std::unique_ptr<gdataObjectRef> makeReference();

    bool acceptsValueKind(int32_t) const override { return true; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 15; }
    const gstr& getKindName() const override { return kindNameText(20083); }
    // One object's description, else "%u data objects".
    gstr describe() const override;
    void bindDriver(g2driver* driver) override;
    void collectUses(gusesList& uses) override;
    // Without a program the objects must be bistate: untyped ones become
    // bistate.
    void resolveReferences() override;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !references_.empty(); }

protected:
    int kindKeyword() const override;

private:
    gloadStatus loadReference(const gstr& value);

    gprocessorCall call_;
    referenceList references_;
};
