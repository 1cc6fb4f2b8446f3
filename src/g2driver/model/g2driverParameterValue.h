#pragma once

#include "foundation/garray.h"
#include "foundation/jhashObject.h"
#include "store/gstorable.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class CObjectFile;
class g2driverParameter;
class g2driverParameterValue;

using g2driverParameterValueTable = jhashTypedDatabaseTable<g2driverParameterValue>;

// The value given to one parameter, keyed by the parameter's tag: a device's
// values for its driver's parameters, a request's values for its command's.
class g2driverParameterValue : public jhashDatabaseObject {
public:
    g2driverParameterValue() = default;
    // A defined value with the same tag, kind and value.
    g2driverParameterValue(const g2driverParameterValue& other) = default;
    g2driverParameterValue& operator=(const g2driverParameterValue&) = delete;

    // 1 BISTATE, 2 DIGITAL, 3 ANALOG, 4 STRING; 0 before a value is set.
    int32_t getKind() const noexcept { return kind_; }
    // BISTATE 0 off or 1 on; DIGITAL the value.
    uint32_t getNumber() const noexcept { return number_; }
    double getReal() const noexcept { return real_; }
    const gstr& getText() const noexcept { return text_; }

    void setBistate(bool on);
    void setDigital(uint32_t value);
    void setAnalog(double value);
    void setString(const gstrSlice& text);

    // The rest of a PARAMETER line after the tag and its comma: a kind
    // keyword, a comma and the value. The item result (1 when the value ends
    // there); on 0 the value is unchanged.
    int read(const char* text);
    // The tag, ", ", the kind keyword, ", " and the value, then the ending.
    void write(CObjectFile& file, int ending) const;
    // The batch tools' replace: BISTATE flips when find is its keyword (ON
    // or OFF) and replacement the other one; DIGITAL and ANALOG take the
    // replacement number when find is a number equal to the value; STRING
    // replaces the first occurrence. 1 when the value changed.
    int replace(const gstrSlice& find, const gstrSlice& replacement, bool matchCase, bool wholeWord);
    // The value as a request description shows it.
    void appendValueText(gstr& out, const g2driverParameter& parameter) const;

    // A PARAMETER line of a device or a request into the table: tag, comma,
    // then read; a tag already present answers alreadyLoaded.
    static gloadStatus loadLine(g2driverParameterValueTable& table, const gstr& value);
    // " (" then "tag = value" for each parameter of the list that has a
    // value, separated by ", ", then ")"; nothing when none has one.
    static void describeList(gstr& out, const garray<g2driverParameter>& parameters,
                             const g2driverParameterValueTable& values);
    // Copies of every value of from, added to to.
    static void copyAll(const g2driverParameterValueTable& from, g2driverParameterValueTable& to);

private:
    int32_t kind_ = 0;
    uint32_t number_ = 0;
    double real_ = 0;
    gstr text_;
};
