#include "screens/model/gimageReference.h"

#include "screens/model/gimage.h"
#include "screens/model/gimageLibrary.h"
#include "store/gstorable.h"

const gbitmap* gimageReference::drawn() const noexcept { return image_ ? image_ : imageLibrary().getPlaceholder(); }

void gimageReference::find()
{
    image_ = name_.isNull() ? nullptr : imageLibrary().find(name_);
    hadImage_ = image_ != nullptr;
}

void gimageReference::unloading() noexcept
{
    hadImage_ = image_ != nullptr;
    image_ = nullptr;
}

bool gimageReference::loaded()
{
    bool had = hadImage_;
    find();
    return had != (image_ != nullptr);
}

void gimageReference::collect() const { collectImageForSave(image_); }

int gimageReference::load(const gstr& value, bool nonEmpty)
{
    if (hasName())
        return gload::alreadyLoaded;
    gstr name;
    if (!name.parseValue(value.data()) || (nonEmpty && name.isEmpty()))
        return gload::invalidValue;
    if (name.isNull())
        name.resize(0);
    name_.adopt(name);
    return gload::accepted;
}
