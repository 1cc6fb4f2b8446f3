#include "store/gtitledObject.h"

#include "foundation/gfault.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"

namespace {

const gstr& noTitle()
{
    static const gstr empty("");
    return empty;
}

} // namespace

gtitledObject& gtitledObject::operator=(const gtitledObject& other)
{
    title_ = other.title_;
    libraryFlag_ = other.libraryFlag_;
    return *this;
}

void gtitledObject::setObjectType(const gobjectType&) {}

void gtitledObject::listUndefinedReferences(gstr&) const {}

const gstr& gtitledObject::getTitle(bool fallback) const noexcept
{
    if (!title_.isNull())
        return title_;
    return fallback ? getTag() : noTitle();
}

void gtitledObject::setTitle(const gstrSlice& text)
{
    if (text.isEmpty()) {
        title_.clear();
        return;
    }
    title_.assign(text);
}

void gtitledObject::setTitleText(gstr& text)
{
    if (text.isEmpty()) {
        title_.clear();
        text.clear();
        return;
    }
    title_.adopt(text);
}

int gtitledObject::replaceInTitle(const gstrSlice& find, const gstrSlice& replacement, bool matchCase,
                                  bool wholeWord)
{
    if (title_.isNull())
        return 0;
    int replaced = title_.replaceFirst(find, replacement, wholeWord, matchCase);
    if (replaced && (title_ == getTag() || title_.isEmpty()))
        title_.clear();
    return replaced;
}

void gtitledObject::writeHeader(CObjectFile& file, int indent) const
{
    const gobjectType* type = getObjectType();
    if (!type)
        throw gfault("object without a type in gtitledObject::writeObjectHeader()");
    for (int i = 0; i < indent; ++i)
        file.putChar('\t');
    file.writeString(type->keyword());
    file.putChar(' ');
    getTag().write(file, 1);
}

void gtitledObject::writeFields(CObjectFile& file, int indent) const { writeTitle(file, indent); }

void gtitledObject::writeTitle(CObjectFile& file, int indent) const
{
    if (title_.isNull())
        return;
    gkeyword::byToken(kw::TITLE).writeKey(file, indent);
    title_.write(file, 1);
}

// An empty TITLE value means no title, as setTitle has it.
gloadStatus gtitledObject::loadField(int token, gstr& value)
{
    if (token != kw::TITLE)
        return gstorable::loadField(token, value);
    if (!title_.isNull())
        return gload::alreadyLoaded;
    gstr title;
    if (!title.parseValue(value.data()))
        return gload::invalidValue;
    setTitleText(title);
    return gload::accepted;
}
