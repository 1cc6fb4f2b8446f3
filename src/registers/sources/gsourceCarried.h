#pragma once

#include "registers/sources/gcarriedLines.h"
#include "registers/sources/gregisterSource.h"
#include "store/keywordTokens.h"

#include <memory>

// What a carried source knows of its kind beyond its lines: nothing, except
// for analog sources the kinds whose element count is fixed.
template <class Base>
class gsourceCarriedKind : public Base {
public:
    using Base::Base;
};

template <>
class gsourceCarriedKind<ganalogRegisterSource> : public ganalogRegisterSource {
public:
    using ganalogRegisterSource::ganalogRegisterSource;

    // A legacy parameter (5) and a legacy level (26) supply one value each.
    int32_t getElementCount() const override
    {
        int code = getSourceType();
        return code == 5 || code == 26 ? 1 : 0;
    }
};

// A source of a kind whose own class this editor does not have yet: its
// lines are carried through loading and saving unchanged, and it refers to
// no station object, so it rebinds nothing and keeps no object in use.
template <class Base>
class gsourceCarried final : public gsourceCarriedKind<Base> {
public:
    gsourceCarried(gregisterSupplement& owner, int typeCode)
        : gsourceCarriedKind<Base>(owner), typeCode_(typeCode)
    {
    }

    int getSourceType() const override { return typeCode_; }

    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override
    {
        auto copy = std::make_unique<gsourceCarried>(owner, typeCode_);
        copy->lines_ = lines_;
        return copy;
    }

    void writeFields(CObjectFile& file, int indent) const override { lines_.write(file, indent); }

    // The block's own "END" ends it by the storable rule; every other line
    // is kept.
    gloadStatus loadField(int token, gstr& value) override
    {
        if (token == kw::END && lines_.atBlockLevel())
            return Base::loadField(token, value);
        return lines_.take(token, value);
    }

private:
    int typeCode_;
    gcarriedLines lines_;
};
