#include "registers/sources/gsourceParameter.h"

#include "foundation/valueParsers.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

template <class Base>
void gsourceParameterKind<Base>::writeFields(CObjectFile& file, int indent) const
{
    if (persistent_ == 1)
        writeKeywordLine(file, indent, kw::PERSISTENT, kw::YES);
    writeDefault(file, indent);
}

template <class Base>
gloadStatus gsourceParameterKind<Base>::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::PERSISTENT: return loadBooleanKeyword(value, persistent_, kw::YES, kw::NO);
    case kw::DEFAULT: return loadDefault(value);
    default: return Base::loadField(token, value);
    }
}

template <class Base>
void gsourceParameterKind<Base>::afterLoad()
{
    if (persistent_ < 0)
        persistent_ = 0;
}

template class gsourceParameterKind<gbistateRegisterSource>;
template class gsourceParameterKind<gdigitalRegisterSource>;
template class gsourceParameterKind<ganalogRegisterSource>;
template class gsourceParameterKind<gstringRegisterSource>;

namespace {

template <class S>
std::unique_ptr<S> copyOf(const S& source, gregisterSupplement& owner)
{
    auto copy = std::make_unique<S>(owner);
    copy->setPersistent(source.getPersistent());
    return copy;
}

} // namespace

std::unique_ptr<gregisterSource> gsourceParameterBistate::clone(gregisterSupplement& owner) const
{
    auto copy = copyOf(*this, owner);
    copy->default_ = default_;
    return copy;
}

void gsourceParameterBistate::writeDefault(CObjectFile& file, int indent) const
{
    if (default_ >= 0)
        writeKeywordLine(file, indent, kw::DEFAULT, default_ ? kw::ON : kw::OFF);
}

gloadStatus gsourceParameterBistate::loadDefault(const gstr& value)
{
    return loadBooleanKeyword(value, default_, kw::ON, kw::OFF);
}

std::unique_ptr<gregisterSource> gsourceParameterDigital::clone(gregisterSupplement& owner) const
{
    auto copy = copyOf(*this, owner);
    copy->default_ = default_;
    copy->hasDefault_ = hasDefault_;
    return copy;
}

void gsourceParameterDigital::writeDefault(CObjectFile& file, int indent) const
{
    if (!hasDefault_)
        return;
    gkeyword::byToken(kw::DEFAULT).writeKey(file, indent);
    file.writeUnsigned(default_, 1);
}

gloadStatus gsourceParameterDigital::loadDefault(const gstr& value)
{
    if (hasDefault_)
        return gload::alreadyLoaded;
    uint32_t read = 0;
    if (parseUnsignedItem(value.data(), read) != itemResult::end)
        return gload::invalidValue;
    setDefault(read);
    return gload::accepted;
}

std::unique_ptr<gregisterSource> gsourceParameterAnalog::clone(gregisterSupplement& owner) const
{
    auto copy = copyOf(*this, owner);
    copy->default_ = default_;
    return copy;
}

void gsourceParameterAnalog::writeDefault(CObjectFile& file, int indent) const
{
    if (default_ != noDefault)
        writeRealLine(file, indent, kw::DEFAULT, default_);
}

gloadStatus gsourceParameterAnalog::loadDefault(const gstr& value)
{
    return loadRealField(default_, noDefault, value);
}

std::unique_ptr<gregisterSource> gsourceParameterString::clone(gregisterSupplement& owner) const
{
    auto copy = copyOf(*this, owner);
    copy->default_ = default_;
    return copy;
}

void gsourceParameterString::writeDefault(CObjectFile& file, int indent) const
{
    if (!default_.isEmpty())
        writeTextLine(file, indent, kw::DEFAULT, default_);
}

// An empty text leaves the source without default, so another DEFAULT line
// may follow.
gloadStatus gsourceParameterString::loadDefault(const gstr& value)
{
    if (!default_.isEmpty())
        return gload::alreadyLoaded;
    gstr read;
    if (!read.parseValue(value.data()))
        return gload::invalidValue;
    default_.adopt(read);
    return gload::accepted;
}
