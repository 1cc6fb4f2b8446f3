#pragma once

#include "registers/sources/gregisterSource.h"

#include <cstdint>
#include <limits>

// The parameter sources (type codes 1 to 4, "SOURCE G2 PARAMETER"): the
// register is a parameter, with an optional default value and the choice
// whether the run-time program remembers its value across launches. One
// class per register class; they differ in the type of the default. They
// refer to no station object.
//
// Lines: "PERSISTENT YES" when remembered, "DEFAULT <value>" when there is
// a default.
template <class Base>
class gsourceParameterKind : public Base {
public:
    using Base::Base;

    // -1 while not read, then 0 or 1.
    int32_t getPersistent() const noexcept { return persistent_; }
    void setPersistent(int32_t flag) noexcept { persistent_ = flag; }

    void writeFields(CObjectFile& file, int indent) const final;
    gloadStatus loadField(int token, gstr& value) final;
    void afterLoad() final;

protected:
    virtual void writeDefault(CObjectFile& file, int indent) const = 0;
    // The DEFAULT line's value.
    virtual gloadStatus loadDefault(const gstr& value) = 0;

private:
    int32_t persistent_ = -1;
};

class gsourceParameterBistate final : public gsourceParameterKind<gbistateRegisterSource> {
public:
    using gsourceParameterKind::gsourceParameterKind;

    // -1 no default, 1 ON, 0 OFF.
    int32_t getDefault() const noexcept { return default_; }
    void setDefault(int32_t value) noexcept { default_ = value; }

    int getSourceType() const override { return 1; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;

private:
    void writeDefault(CObjectFile& file, int indent) const override;
    gloadStatus loadDefault(const gstr& value) override;

    int32_t default_ = -1;
};

class gsourceParameterDigital final : public gsourceParameterKind<gdigitalRegisterSource> {
public:
    using gsourceParameterKind::gsourceParameterKind;

    bool hasDefault() const noexcept { return hasDefault_; }
    uint32_t getDefault() const noexcept { return default_; }
    void setDefault(uint32_t value) noexcept
    {
        default_ = value;
        hasDefault_ = true;
    }

    int getSourceType() const override { return 2; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;

private:
    void writeDefault(CObjectFile& file, int indent) const override;
    gloadStatus loadDefault(const gstr& value) override;

    uint32_t default_ = 0;
    bool hasDefault_ = false;
};

class gsourceParameterAnalog final : public gsourceParameterKind<ganalogRegisterSource> {
public:
    static constexpr double noDefault = std::numeric_limits<double>::infinity();

    using gsourceParameterKind::gsourceParameterKind;

    // noDefault when there is none.
    double getDefault() const noexcept { return default_; }
    void setDefault(double value) noexcept { default_ = value; }

    int getSourceType() const override { return 3; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;

private:
    void writeDefault(CObjectFile& file, int indent) const override;
    gloadStatus loadDefault(const gstr& value) override;

    double default_ = noDefault;
};

class gsourceParameterString final : public gsourceParameterKind<gstringRegisterSource> {
public:
    using gsourceParameterKind::gsourceParameterKind;

    // Empty when there is no default.
    const gstr& getDefault() const noexcept { return default_; }
    void setDefault(const gstrSlice& text) { default_.assign(text); }

    int getSourceType() const override { return 4; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;

private:
    void writeDefault(CObjectFile& file, int indent) const override;
    gloadStatus loadDefault(const gstr& value) override;

    gstr default_;
};
