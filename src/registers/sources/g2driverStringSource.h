#pragma once

#include "formats/gstringMatch.h"
#include "registers/sources/g2driverCommandDataSource.h"

// STRING: a string object cut out of the command's data by a prefix, a
// pattern and a suffix. Lines after the command data: PREFIX, PATTERN,
// SUFFIX, each when set.
class g2driverStringSource : public g2driverCommandDataSource {
public:
    g2driverStringSource() = default;

    gstringMatch& match() noexcept { return match_; }
    const gstringMatch& match() const noexcept { return match_; }

    bool acceptsValueKind(int32_t kind) const override { return kind == 4; }
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 12; }
    const gstr& getKindName() const override { return kindNameText(20082); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;
    g2driverStringSource(const g2driverStringSource& other, const g2driverSourceTables& tables);

private:
    gstringMatch match_;
};

// FILTER: a STRING whose value must also match one of the allowed strings.
// One ALLOW line per allowed pattern after the string's lines.
class g2driverFilterSource : public g2driverStringSource {
public:
    g2driverFilterSource() = default;

    std::vector<gregexp>& allowed() noexcept { return allowed_; }
    const std::vector<gregexp>& allowed() const noexcept { return allowed_; }

    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 13; }
    const gstr& getKindName() const override { return kindNameText(20053); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

protected:
    int kindKeyword() const override;

private:
    g2driverFilterSource(const g2driverFilterSource& other, const g2driverSourceTables& tables);

    std::vector<gregexp> allowed_;
};
