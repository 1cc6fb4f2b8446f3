#include "registers/gcalibration.h"

#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "registers/gregisterDataStore.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>
#include <string>

namespace {

// A point text of the run-time program's store holds at most this many
// bytes, its terminator included.
constexpr int32_t pointTextSize = 100;

// One real number at p: white space, then the longest run of the bytes a
// number is written with, which must be a whole number. p moves past it.
bool readNumberAt(const char*& p, double& value)
{
    while (charClass::isWhite(*p))
        ++p;
    const char* start = p;
    while (charClass::isDigit(*p) || *p == '.' || *p == '+' || *p == '-' || *p == 'e' || *p == 'E')
        ++p;
    std::string number(start, p);
    return !number.empty() && parseDoubleItem(number.c_str(), value) == itemResult::end;
}

// "(", the raw value, "; ", the calibrated value, ")" and nothing more.
bool parsePointText(const gstr& text, double& raw, double& calibrated)
{
    if (text.length() >= pointTextSize || text.contains('\0'))
        return false;
    const char* p = text.data();
    if (*p++ != '(' || !readNumberAt(p, raw))
        return false;
    if (*p++ != ';' || *p++ != ' ' || !readNumberAt(p, calibrated))
        return false;
    return p[0] == ')' && p[1] == '\0';
}

} // namespace

void gcalibration::transferFrom(gcalibration& other)
{
    if (&other == this)
        return;
    degree_ = other.degree_;
    forceZeroOffset_ = other.forceZeroOffset_;
    logY_ = other.logY_;
    points_.transferFrom(other.points_);
}

bool gcalibration::addPoint(double raw, double calibrated)
{
    auto point = std::make_unique<gcalibrationPoint>();
    point->key = raw;
    point->calibrated = calibrated;
    if (!points_.insert(point.get()))
        return false;
    point.release();
    return true;
}

void gcalibration::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::CALIBRATION).writeIndented(file, indent);
    file.newLine();
}

void gcalibration::writeFields(CObjectFile& file, int indent) const
{
    if (degree_ != 0) {
        gkeyword::byToken(kw::SMOOTHING).writeKey(file, indent);
        file.writeInt(forceZeroOffset_ == 1 ? 1 : 0, 2);
        file.writeInt(degree_, 2);
        gkeyword::byToken(logY_ == 1 ? kw::YES : kw::NO).writeValue(file, 1);
    }
    for (const gcalibrationPoint* point = points_.first(); point; point = point->next) {
        gkeyword::byToken(kw::POINT).writeKey(file, indent);
        point->write(file, 1);
    }
}

gloadStatus gcalibration::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::SMOOTHING: return loadSmoothing(value);
    case kw::POINT: return loadPoint(value);
    default: return gstorable::loadField(token, value);
    }
}

gloadStatus gcalibration::loadSmoothing(const gstr& value)
{
    if (degree_ != 0)
        return gload::alreadyLoaded;
    const char* next = nullptr;
    int32_t force = 0;
    if (parseIntItem(value.data(), force, next) != itemResult::comma || (force != 0 && force != 1))
        return gload::invalidValue;
    int32_t degree = 0;
    if (parseIntItem(next, degree, next) != itemResult::comma || degree < 1 || degree > maxDegree)
        return gload::invalidValue;
    int token = -1;
    if (parseKeywordItem(next, token) != itemResult::end || (token != kw::YES && token != kw::NO))
        return gload::invalidValue;
    if (logY_ != -1)
        return gload::alreadyLoaded;
    forceZeroOffset_ = force;
    degree_ = degree;
    logY_ = token == kw::YES ? 1 : 0;
    return gload::accepted;
}

gloadStatus gcalibration::loadPoint(const gstr& value)
{
    gcalibrationPoint read;
    if (read.parse(value.data()) != itemResult::end || !addPoint(read.key, read.calibrated))
        return gload::invalidValue;
    return gload::accepted;
}

bool gcalibration::isComplete() const
{
    if (degree_ == 0 || logY_ != 1)
        return true;
    for (const gcalibrationPoint* point = points_.first(); point; point = point->next) {
        if (!(point->calibrated > 0))
            return false;
    }
    return true;
}

bool gcalibration::importPoints(const gstrSlice& stationPath, const gstrSlice& registerTag)
{
    points_.clear();
    const gregisterDataStore& store = registerDataStore();
    gstr key = registerDataKey(stationPath, registerTag);
    if (!store.keyExists(key))
        return false;
    std::optional<uint32_t> count = store.readNumber(key, "nCalPoints");
    if (!count)
        return false;
    // Each point needs a value of its own, so the first one missing ends
    // the loop whatever the count claims.
    for (uint32_t i = 0; i < *count; ++i) {
        gstr name;
        std::optional<gstr> text = store.readText(key, name.format("CalPoint%u", i));
        double raw = 0;
        double calibrated = 0;
        if (!text || !parsePointText(*text, raw, calibrated) || !addPoint(raw, calibrated))
            return false;
    }
    return true;
}
