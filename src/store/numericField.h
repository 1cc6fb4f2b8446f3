#pragma once

#include "foundation/gmilliseconds.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;
class gstr;

// A closed range of whole numbers.
struct gnumberRange {
    int64_t lowest;
    int64_t highest;

    constexpr bool holds(int64_t value) const noexcept { return lowest <= value && value <= highest; }
};

// The one description of a whole-number field of a station object, which its
// loader, its writer and its dialog all use: the keyword, the range the file
// takes, the range a dialog takes for a typed value and the message that
// refuses one. A dialog shows and reads the number in decimal.
//
// Where the dialog's range is narrower than the file's, a dialog still takes
// the value it was shown when the file holds it: whatever loads can be
// confirmed unchanged.
struct gintegerField {
    int keyword;
    gnumberRange file;
    gnumberRange dialog;
    int refusal;

    // One signed integer item within the file's range; alreadyLoaded while
    // the field holds anything but its unset value.
    gloadStatus load(const gstr& value, int32_t& field, int32_t unset) const;
    // The keyword line with the value.
    void write(CObjectFile& file, int indent, int32_t value) const;
    // Whether a dialog takes the typed value; shown is the value the dialog
    // was opened with.
    constexpr bool confirms(int64_t typed, int64_t shown) const noexcept
    {
        return dialog.holds(typed) || (typed == shown && file.holds(shown));
    }
};

// The one description of a duration field: milliseconds in memory, seconds in
// the file and in dialogs. Both ranges are counts of milliseconds. A dialog
// shows count * 0.001 and makes a count of typed seconds by cutting off the
// fraction of a millisecond or, where its object asks for that, by rounding
// it up; either works on the decimal digits, so seconds shown and confirmed
// unchanged give the count back.
struct gsecondsField {
    enum class cut { truncate, roundUp };

    int keyword;
    gnumberRange file;
    gnumberRange dialog;
    int refusal;
    cut dialogCut = cut::truncate;

    // One seconds item within the file's range; alreadyLoaded while the
    // field is set.
    gloadStatus load(const gstr& value, gmilliseconds& field) const;
    // The keyword line with the value in seconds.
    void write(CObjectFile& file, int indent, gmilliseconds value) const;
    // The seconds a dialog shows for the value; 0 for a value not set.
    static double shown(gmilliseconds value) noexcept { return value.isSet() ? value.get() * 0.001 : 0.0; }
    // Whether a dialog takes the typed seconds, and the count it stores for
    // them; shown is the value the dialog was opened with. Negative seconds
    // are always refused.
    bool confirms(double typed, gmilliseconds shown, uint32_t& count) const;
};

// What every duration field's file takes: 0 up to one below the "not set"
// count.
inline constexpr gnumberRange anySeconds{0, gmilliseconds::notSetCount - 1};
// The same without 0, for timeouts.
inline constexpr gnumberRange anyTimeout{1, gmilliseconds::notSetCount - 1};
