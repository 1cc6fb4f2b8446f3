#pragma once

#include "registers/sources/g2driverDataSource.h"

#include <memory>
#include <vector>

// MULTIPLE: several member sources of one data object (none of them
// MULTIPLE) and the auto mask: whether the object is masked when any
// member (SINGLE) or only when all members (ALL) are disabled. Lines:
// AUTO_MASK ALL, then each member's own SOURCE block.
class g2driverMultipleSource : public g2driverDataSource {
public:
    using memberList = std::vector<std::unique_ptr<g2driverDataSource>>;

    g2driverMultipleSource() = default;

    memberList& members() noexcept { return members_; }
    const memberList& members() const noexcept { return members_; }
    // -1 not read, 0 SINGLE, 1 ALL.
    int32_t getAutoMask() const noexcept { return autoMask_; }
    void setAutoMask(int32_t mask) noexcept { autoMask_ = mask; }

    bool acceptsValueKind(int32_t) const override { return true; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 17; }
    const gstr& getKindName() const override { return kindNameText(20064); }
    // One member's description, else "%u sources".
    gstr describe() const override;
    bool hasGreaterLessSymbols() const override;
    void setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters) override;
    void bindDriver(g2driver* driver) override;
    void collectUses(gusesList& uses) override;
    void resolveReferences() override;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return !members_.empty(); }

protected:
    int kindKeyword() const override;

private:
    gloadStatus loadMember(const gstr& value);

    memberList members_;
    int32_t autoMask_ = -1;
};
