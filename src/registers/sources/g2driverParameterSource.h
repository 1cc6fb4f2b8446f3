#pragma once

#include "foundation/gstr.h"
#include "registers/sources/g2driverDataSource.h"

// PARAMETER: the data object reads nothing from the device; its value is
// set from outside, with an optional default (typed by the object's value
// kind) and the choice to remember it across launches. Lines: DEFAULT,
// PERSISTENT YES.
class g2driverParameterSource : public g2driverDataSource {
public:
    g2driverParameterSource() = default;

    bool hasDefault() const noexcept { return hasDefault_; }
    // Bistate 0 or 1 and digital values.
    uint32_t getNumber() const noexcept { return number_; }
    double getReal() const noexcept { return real_; }
    const gstr& getText() const noexcept { return text_; }
    void clearDefault();
    void setNumberDefault(uint32_t value);
    void setRealDefault(double value);
    void setTextDefault(const gstrSlice& text);
    // -1 not read, 0 no, 1 remembered across launches.
    int32_t getPersistent() const noexcept { return persistent_; }
    void setPersistent(int32_t persistent) noexcept { persistent_ = persistent; }

    // Any kind while no default is stored.
    bool acceptsValueKind(int32_t kind) const override;
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 16; }
    const gstr& getKindName() const override { return kindNameText(20072); }
    gstr describe() const override;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;

protected:
    int kindKeyword() const override;

private:
    g2driverParameterSource(const g2driverParameterSource& other) = default;
    gloadStatus loadDefault(const gstr& value);

    bool hasDefault_ = false;
    uint32_t number_ = 0;
    double real_ = 0;
    gstr text_;
    int32_t persistent_ = -1;
};
