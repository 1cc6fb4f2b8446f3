#pragma once

#include "foundation/gstr.h"

class gbitmap;

// An image named by a graphic object or an appearance record: the name as
// written in the station file and the image of the table it finds (null
// when the table lacks it). Objects draw the table's placeholder then.
class gimageReference {
public:
    const gstr& name() const noexcept { return name_; }
    // Whether a name was given (an empty one included).
    bool hasName() const noexcept { return !name_.isNull(); }
    void setName(const gstrSlice& name) { name_.assign(name); }
    gbitmap* image() const noexcept { return image_; }
    // The image, else the placeholder, else null.
    const gbitmap* drawn() const noexcept;

    // Finds the image of the name again.
    void find();
    // The table is about to be replaced: the pointer goes.
    void unloading() noexcept;
    // Finds the image again; true when the object shows a picture now where
    // it showed none before the table was replaced, or the other way round.
    bool loaded();
    // Before a save: the image becomes an IMAGE object of the station.
    void collect() const;
    // "IMAGE" with the name, one value: 4 when given, 3 when it does not
    // parse or (with nonEmpty) is empty.
    int load(const gstr& value, bool nonEmpty);

private:
    gstr name_;
    gbitmap* image_ = nullptr;
    bool hadImage_ = false;
};
