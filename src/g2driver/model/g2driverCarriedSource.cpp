#include "g2driver/model/g2driverCarriedSource.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverParameter.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

struct sourceKind {
    int token;
    int32_t objectKind; // untyped: any
    int nameId;
};

// In the order of the source types of the data-object editor.
constexpr sourceKind sourceKinds[] = {
    {kw::BISTATE, g2valueKind::bistate, 20033},
    {kw::V_BIT_MASK, g2valueKind::bistate, 20037},
    {kw::V_SEARCH_STRING, g2valueKind::bistate, 20077},
    {kw::V_VALUE_LIST, g2valueKind::bistate, 20086},
    {kw::LIMIT, g2valueKind::bistate, 20063},
    {kw::PATTERN, g2valueKind::bistate, 20073},
    {kw::V_DIGITAL_NUMBER, g2valueKind::digital, 20049},
    {kw::V_DIGITAL_STRINGS, g2valueKind::digital, 20050},
    {kw::THRESHOLDS, g2valueKind::digital, 20085},
    {kw::V_BIT_COLLECTION, g2valueKind::digital, 20034},
    {kw::V_ANALOG_NUMBER, g2valueKind::analog, 20032},
    {kw::STRING, g2valueKind::string, 20082},
    {kw::FILTER, g2valueKind::string, 20053},
    {kw::PROCESSOR, g2valueKind::untyped, 20074},
    {kw::SUMMARY, g2valueKind::untyped, 20083},
    {kw::PARAMETER, g2valueKind::untyped, 20072},
    {kw::MULTIPLE, g2valueKind::untyped, 20064},
};

// A line that opens a nested block of a source: a member SOURCE, or a
// section, a program call or a data-object reference written without a
// value.
bool opensBlock(int token, const gstr& value)
{
    if (token == kw::SOURCE)
        return true;
    if (!value.isEmpty())
        return false;
    return token == kw::SECTION || token == kw::PROGRAM || token == kw::OBJECT || token == kw::MIN_OBJECT
           || token == kw::MAX_OBJECT;
}

} // namespace

bool g2driverCarriedSource::acceptsLine(const gstr& value, int32_t objectKind, bool multipleAllowed)
{
    int token = -1;
    const char* next = nullptr;
    const int result = parseKeywordItem(value.data(), token, next);
    if (result == itemResult::error || (token == kw::MULTIPLE && !multipleAllowed))
        return false;
    for (const sourceKind& kind : sourceKinds) {
        if (kind.token != token)
            continue;
        if (kind.objectKind != g2valueKind::untyped && kind.objectKind != objectKind)
            return false;
        if (token != kw::LIMIT)
            return result == itemResult::end;
        int compared = -1;
        return result == itemResult::comma && parseKeywordItem(next, compared) == itemResult::end
               && (compared == kw::DIGITAL || compared == kw::ANALOG);
    }
    return false;
}

g2driverCarriedSource* g2driverCarriedSource::create(const gstr& value, int32_t objectKind, bool multipleAllowed)
{
    if (!acceptsLine(value, objectKind, multipleAllowed))
        return nullptr;
    return new g2driverCarriedSource(value, objectKind);
}

gstr g2driverCarriedSource::kindName() const
{
    int token = -1;
    const char* next = nullptr;
    gstr name("");
    if (parseKeywordItem(kind_.data(), token, next) == itemResult::error)
        return name;
    for (const sourceKind& kind : sourceKinds) {
        if (kind.token == token)
            return name.loadString(kind.nameId);
    }
    return name;
}

void g2driverCarriedSource::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::SOURCE).writeKey(file, indent);
    file.writeString(kind_);
    file.newLine();
}

void g2driverCarriedSource::writeFields(CObjectFile& file, int indent) const
{
    for (const line& l : lines_) {
        const gkeyword& keyword = gkeyword::byToken(l.token);
        if (l.value.isEmpty()) {
            keyword.writeIndented(file, indent + l.depth);
        } else {
            keyword.writeKey(file, indent + l.depth);
            file.writeString(l.value);
        }
        file.newLine();
    }
}

gloadStatus g2driverCarriedSource::loadField(int token, gstr& value)
{
    if (token == kw::END && depth_ == 0)
        return gstorable::loadField(token, value);
    if (token == kw::END) {
        if (!value.isEmpty())
            return gload::invalidValue;
        lines_.push_back({--depth_, token, gstr("")});
        return gload::accepted;
    }
    if (token == kw::SOURCE && !acceptsLine(value, objectKind_, false))
        return gload::invalidValue;
    lines_.push_back({depth_, token, value});
    if (opensBlock(token, value))
        ++depth_;
    return gload::accepted;
}
