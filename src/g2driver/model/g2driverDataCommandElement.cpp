#include "g2driver/model/g2driverDataCommandElement.h"

#include "g2driver/model/g2driverCommandBuilder.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

g2driverDataCommandElement::~g2driverDataCommandElement() { setName(nullptr); }

void g2driverDataCommandElement::setName(g2driverCommandDataName* name) noexcept
{
    if (name_ && name_->getOwner() == this)
        name_->setOwner(nullptr);
    name_ = name;
    if (name_)
        name_->setOwner(this);
}

void g2driverDataCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::DATA);
}

void g2driverDataCommandElement::writeFields(CObjectFile& file, int indent) const
{
    if (name_)
        writeStringLine(file, indent, kw::NAME, name_->getName());
}

gloadStatus g2driverDataCommandElement::loadField(int token, gstr& value)
{
    if (token != kw::NAME)
        return g2driverCommandElement::loadField(token, value);
    if (name_)
        return gload::alreadyLoaded;
    gstr tag;
    if (readOneTag(value, tag) != gload::accepted || !getTemplate())
        return gload::invalidValue;
    g2driverCommandDataName* name = getTemplate()->dataNames().define(tag);
    if (!name)
        return gload::alreadyLoaded;
    setName(name);
    return gload::accepted;
}

gstr g2driverDataCommandElement::describe() const { return name_ ? name_->getName() : gstr(""); }

g2driverCommandElement* g2driverDataCommandElement::cloneForTemplate(g2driverParameterTable&,
                                                                      g2driverParameterTable&,
                                                                      g2driverCommandDataNameTable& dataNames,
                                                                      g2driverProgramTable*) const
{
    auto* copy = new g2driverDataCommandElement;
    if (name_) {
        g2driverCommandDataName* name = dataNames.define(name_->getName());
        copy->setName(name ? name : dataNames.find(name_->getName()));
    }
    return copy;
}

void g2driverDataCommandElement::encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output)
{
    if (pass == 1 && name_)
        builder.buildData(name_->getName(), output);
}
