#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/g2driverDerivedDataSource.h"

// PATTERN ("Pattern match"): a bistate object that is on when a string data
// object of the driver matches the pattern (off when inverted). Lines
// after the object's: PATTERN, INVERT YES.
class g2driverPatternMatchSource : public g2driverDerivedDataSource {
public:
    g2driverPatternMatchSource() = default;

    const gregexp& pattern() const noexcept { return pattern_; }
    void setPattern(const gregexp& pattern) { pattern_ = pattern; }
    int32_t getInvert() const noexcept { return invert_; }
    void setInvert(int32_t invert) noexcept { invert_ = invert; }

    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 6; }
    const gstr& getKindName() const override { return kindNameText(20073); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // The object's step, an unread invert becomes 0, the object must be a
    // string object.
    void afterLoad() override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverPatternMatchSource(const g2driverPatternMatchSource& other, const g2driverSourceTables& tables);

    gregexp pattern_{false};
    int32_t invert_ = -1;
};
