#pragma once

#include "foundation/gstr.h"

#include <cstdint>
#include <type_traits>

// How a tri-state instance treats its values.
enum class gtriFamily {
    plain,    // a common value is one that is not negative
    general,  // any value but the two marks is a common value (object references)
    boolean,  // values are stored and merged as 0 or 1
};

// A value gathered over several selected objects: unset until the first one
// is merged in, then their common value, and mixed as soon as two differ.
// The marks are -1 (unset) and -2 (mixed), so values never take them. A
// pointer value is kept in a pointer-sized raw value; every other value in a
// signed 32-bit one.
template <class V, gtriFamily Family = gtriFamily::plain>
class gtriState {
public:
    using Raw = std::conditional_t<std::is_pointer_v<V>, intptr_t, int32_t>;
    static constexpr Raw unset = -1;
    static constexpr Raw mixed = -2;

    void reset() noexcept { raw_ = unset; }
    void set(V value) noexcept { raw_ = toRaw(value); }

    // The merge rule: the first value is taken, a different one makes the
    // state mixed, and mixed stays mixed.
    void merge(V value) noexcept
    {
        Raw v = toRaw(value);
        if (raw_ == unset)
            raw_ = v;
        else if (raw_ != v)
            raw_ = mixed;
    }

    int isSet() const noexcept { return raw_ != unset; }
    int isMixed() const noexcept { return raw_ == mixed; }
    int hasValue() const noexcept
    {
        if constexpr (Family == gtriFamily::general)
            return raw_ != unset && raw_ != mixed;
        else
            return raw_ >= 0;
    }

    // Writes the value when it is not negative, else the default.
    void getOr(V& out, V fallback) const noexcept { out = raw_ >= 0 ? fromRaw(raw_) : fallback; }
    Raw get() const noexcept { return raw_; }
    int equals(Raw value) const noexcept { return raw_ == value; }
    int differs(Raw value) const noexcept { return raw_ != value; }

    int isTrue() const noexcept
        requires(Family == gtriFamily::boolean)
    {
        return raw_ == 1;
    }

    // The default of a boolean property for an object kind of the screen
    // model: set for kinds 0, 1, 4, 7 and 12, and for kind 3 when flag is
    // nonzero.
    void setByObjectType(int32_t kind, int flag) noexcept
        requires(Family == gtriFamily::boolean)
    {
        bool on = kind == 0 || kind == 1 || kind == 4 || kind == 7 || kind == 12 || (kind == 3 && flag != 0);
        raw_ = on ? 1 : 0;
    }

    // Takes the other's value when kindFilter is -1 and it holds one.
    void copyFrom(const gtriState& other, int32_t kindFilter) noexcept
        requires(Family == gtriFamily::boolean)
    {
        if (kindFilter == -1 && other.raw_ >= 0)
            raw_ = other.raw_;
    }

private:
    static Raw toRaw(V value) noexcept
    {
        if constexpr (Family == gtriFamily::boolean)
            return value ? 1 : 0;
        else if constexpr (std::is_pointer_v<V>)
            return reinterpret_cast<Raw>(value);
        else
            return static_cast<Raw>(value);
    }

    static V fromRaw(Raw raw) noexcept
    {
        if constexpr (std::is_pointer_v<V>)
            return reinterpret_cast<V>(raw);
        else
            return static_cast<V>(raw);
    }

    Raw raw_ = unset;
};

// The boolean instance: any nonzero value counts as 1.
using gtriStateBool = gtriState<int32_t, gtriFamily::boolean>;

// A text gathered over several selected objects. State -1 unset, 0 one
// common value (which may be no text, an empty text or a text), -2 mixed.
class gtriStateString {
public:
    void set(const gstrSlice& text);
    // Makes the value an allocated empty text and returns its buffer.
    char* setEmpty();
    // One common value: no text.
    void clear() noexcept;
    void merge(const gstrSlice& text);

    int isSet() const noexcept { return state_ != -1; }
    int hasValue() const noexcept { return state_ == 0; }
    int isMixed() const noexcept { return state_ == -2; }
    const gstr& getValue() const noexcept { return value_; }

    // The value when there is one common value, else the fallback.
    void getOr(gstr& out, const gstrSlice& fallback) const;
    // Back to unset; the old value is kept until the next set or merge.
    void reset() noexcept { state_ = -1; }

private:
    gstr value_;
    int32_t state_ = -1;
};

// A real number gathered over several selected objects: unset, one common
// value, or mixed. Values compare exactly.
class gtriStateDouble {
public:
    void reset() noexcept { state_ = -1; }
    void set(double value) noexcept
    {
        value_ = value;
        state_ = 0;
    }
    void merge(double value) noexcept
    {
        if (state_ == -1)
            set(value);
        else if (state_ == 0 && value_ != value)
            state_ = -2;
    }

    int isSet() const noexcept { return state_ != -1; }
    int hasValue() const noexcept { return state_ == 0; }
    int isMixed() const noexcept { return state_ == -2; }
    // The common value; meaningful only when there is one.
    double value() const noexcept { return value_; }
    void getOr(double& out, double fallback) const noexcept { out = state_ == 0 ? value_ : fallback; }

private:
    double value_ = 0;
    int32_t state_ = -1;
};
