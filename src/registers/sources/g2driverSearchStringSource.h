#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/g2driverCommandDataSource.h"

// SEARCH STRING: a bistate object that is on when the search string is
// found in the command's data (off when inverted), optionally within a
// fixed width. Lines after the command data: SEARCH_STRING, INVERT YES,
// LENGTH.
class g2driverSearchStringSource : public g2driverCommandDataSource {
public:
    g2driverSearchStringSource() = default;

    const gregexp& searchString() const noexcept { return searchString_; }
    void setSearchString(const gregexp& pattern) { searchString_ = pattern; }
    // -1 not read, 0 normal, 1 inverted.
    int32_t getInvert() const noexcept { return invert_; }
    void setInvert(int32_t invert) noexcept { invert_ = invert; }
    // 0: no fixed width.
    int32_t getLength() const noexcept { return length_; }
    void setLength(int32_t length) noexcept { length_ = length; }

    bool acceptsValueKind(int32_t kind) const override { return kind == 1; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 3; }
    const gstr& getKindName() const override { return kindNameText(20077); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverSearchStringSource(const g2driverSearchStringSource& other, const g2driverSourceTables& tables);

    gregexp searchString_{false};
    int32_t invert_ = -1;
    int32_t length_ = 0;
};
