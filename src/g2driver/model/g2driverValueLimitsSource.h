#pragma once

#include "registers/sources/g2driverDerivedDataSource.h"

#include <memory>

// LIMIT ("Value limits"): a bistate object that compares a digital or an
// analog data object of the driver with a lower and an upper limit, each a
// fixed number or the value of a further data object. The SOURCE line
// names the compared kind: "LIMIT, DIGITAL" or "LIMIT, ANALOG". Lines after
// the compared object's: LIMIT_TYPE, the lower limit (a MIN_OBJECT block or
// MIN_VALUE), the upper limit (MAX_OBJECT or MAX_VALUE).
class g2driverValueLimitsSource : public g2driverDerivedDataSource {
public:
    static constexpr int32_t inside = 1;
    static constexpr int32_t strictlyInside = 2;
    static constexpr int32_t outside = 3;
    static constexpr int32_t strictlyOutside = 4;

    // One side: none, a fixed value, or an object.
    struct limit {
        bool hasValue = false;
        uint32_t digital = 0;
        double real = 0;
        std::unique_ptr<gdataObjectRef> object;

        bool isGiven() const noexcept { return hasValue || object; }
    };

    g2driverValueLimitsSource() = default;

    // 2 DIGITAL or 3 ANALOG; 0 until the SOURCE line was read.
    int32_t getComparedKind() const noexcept { return comparedKind_; }
    void setComparedKind(int32_t kind) noexcept { comparedKind_ = kind; }
    // 0 not set, 1 to 4.
    int32_t getLimitType() const noexcept { return limitType_; }
    void setLimitType(int32_t type) noexcept { limitType_ = type; }
    limit& lower() noexcept { return lower_; }
    limit& upper() noexcept { return upper_; }
    const limit& lower() const noexcept { return lower_; }
    const limit& upper() const noexcept { return upper_; }
    // A new limit object reference of the side (MIN_OBJECT, MAX_OBJECT).
    static std::unique_ptr<gdataObjectRef> makeLimitReference(bool upper);

    int parseHeaderArguments(int itemStatus, const char* rest) override;
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 5; }
    const gstr& getKindName() const override { return kindNameText(20063); }
    void bindDriver(g2driver* driver) override;
    void collectUses(gusesList& uses) override;

    // "SOURCE", "LIMIT, " and the compared kind.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverValueLimitsSource(const g2driverValueLimitsSource& other, const g2driverSourceTables& tables);
    gloadStatus loadLimitType(const gstr& value);
    gloadStatus loadLimitObject(limit& side, bool isUpper, const gstr& value);
    gloadStatus loadLimitValue(limit& side, bool isUpper, const gstr& value);
    void writeLimit(CObjectFile& file, int indent, const limit& side, bool isUpper) const;
    double valueOf(const limit& side) const;
    void requireKind(gdataObjectRef& reference) const;

    int32_t comparedKind_ = 0;
    int32_t limitType_ = 0;
    limit lower_;
    limit upper_;
};
