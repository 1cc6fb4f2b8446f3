#include "registers/sources/g2driverParameterSource.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverParameter.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

void g2driverParameterSource::clearDefault()
{
    hasDefault_ = false;
    number_ = 0;
    real_ = 0;
    text_.clear();
}

void g2driverParameterSource::setNumberDefault(uint32_t value)
{
    hasDefault_ = true;
    number_ = value;
}

void g2driverParameterSource::setRealDefault(double value)
{
    hasDefault_ = true;
    real_ = value;
}

void g2driverParameterSource::setTextDefault(const gstrSlice& text)
{
    hasDefault_ = true;
    text_.assign(text.isNull() ? gstrSlice::empty : text);
}

bool g2driverParameterSource::acceptsValueKind(int32_t) const { return !hasDefault_; }

std::unique_ptr<g2driverDataSource> g2driverParameterSource::clone(const g2driverSourceTables&) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverParameterSource(*this));
}

gstr g2driverParameterSource::describe() const { return gstr(""); }

int g2driverParameterSource::kindKeyword() const { return kw::PARAMETER; }

void g2driverParameterSource::writeFields(CObjectFile& file, int indent) const
{
    if (hasDefault_) {
        switch (ownerKind()) {
        case g2valueKind::bistate: writeKeywordLine(file, indent, kw::DEFAULT, number_ ? kw::ON : kw::OFF); break;
        case g2valueKind::digital:
            gkeyword::byToken(kw::DEFAULT).writeKey(file, indent);
            file.writeUnsigned(number_, 1);
            break;
        case g2valueKind::analog: writeRealLine(file, indent, kw::DEFAULT, real_); break;
        default:
            gkeyword::byToken(kw::DEFAULT).writeKey(file, indent);
            text_.write(file, 1);
            break;
        }
    }
    if (persistent_ == 1)
        writeKeywordLine(file, indent, kw::PERSISTENT, kw::YES);
}

gloadStatus g2driverParameterSource::loadField(int token, gstr& value)
{
    if (token == kw::DEFAULT)
        return loadDefault(value);
    if (token == kw::PERSISTENT)
        return loadBooleanKeyword(value, persistent_, kw::YES, kw::NO);
    return g2driverDataSource::loadField(token, value);
}

gloadStatus g2driverParameterSource::loadDefault(const gstr& value)
{
    if (hasDefault_)
        return gload::alreadyLoaded;
    switch (ownerKind()) {
    case g2valueKind::bistate: {
        int token = -1;
        if (parseKeywordItem(value.data(), token) != itemResult::end || (token != kw::ON && token != kw::OFF))
            return gload::invalidValue;
        setNumberDefault(token == kw::ON ? 1 : 0);
        return gload::accepted;
    }
    case g2valueKind::digital: {
        uint32_t number = 0;
        if (parseUnsignedItem(value.data(), number) != itemResult::end)
            return gload::invalidValue;
        setNumberDefault(number);
        return gload::accepted;
    }
    case g2valueKind::analog: {
        double real = 0;
        if (parseDoubleItem(value.data(), real) != itemResult::end)
            return gload::invalidValue;
        setRealDefault(real);
        return gload::accepted;
    }
    case g2valueKind::string: {
        gstr text;
        if (!text.parseValue(value.data()))
            return gload::invalidValue;
        setTextDefault(text);
        return gload::accepted;
    }
    default: return gload::invalidValue;
    }
}

void g2driverParameterSource::afterLoad()
{
    if (persistent_ == -1)
        persistent_ = 0;
}
