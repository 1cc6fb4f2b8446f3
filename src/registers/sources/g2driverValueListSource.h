#pragma once

#include "registers/sources/g2driverDerivedDataSource.h"

#include <vector>

// VALUE LIST ("Digital value list"): a bistate object that is on when a
// digital data object of the driver holds one of the values (off when
// inverted). Lines after the object's: VALUES, INVERT YES.
class g2driverValueListSource : public g2driverDerivedDataSource {
public:
    g2driverValueListSource() = default;

    const std::vector<uint32_t>& values() const noexcept { return values_; }
    void setValues(std::vector<uint32_t> values) { values_ = std::move(values); }
    int32_t getInvert() const noexcept { return invert_; }
    void setInvert(int32_t invert) noexcept { invert_ = invert; }

    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 4; }
    const gstr& getKindName() const override { return kindNameText(20086); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // The object's step, an unread invert becomes 0, the object must be a
    // digital object.
    void afterLoad() override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverValueListSource(const g2driverValueListSource& other, const g2driverSourceTables& tables);
    gloadStatus loadValues(const gstr& value);

    std::vector<uint32_t> values_;
    int32_t invert_ = -1;
};
