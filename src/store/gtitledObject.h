#pragma once

#include "foundation/jhashObject.h"
#include "store/gstorable.h"

#include <cstdint>

class gobjectType;

// The base of every top-level station object: a database entry with a tag,
// the storable part, an optional display title that falls back to the tag,
// and whether the object came from a device-driver library. It writes the
// header line "KEYWORD tag" that opens the object in a file and reads and
// writes the TITLE line.
class gtitledObject : public jhashDatabaseObject, public gstorable {
public:
    // A placeholder: no tag yet, not defined, no title.
    gtitledObject() = default;
    // A defined object with the other's tag, title and library flag.
    gtitledObject(const gtitledObject& other) = default;
    // Takes the title and the library flag; the tag, the object's key in its
    // table, stays.
    gtitledObject& operator=(const gtitledObject& other);
    ~gtitledObject() override = default;

    // A register takes its kind from the type; others ignore it.
    virtual void setObjectType(const gobjectType& type);
    // Null only for a register whose kind is not known yet.
    virtual const gobjectType* getObjectType() const = 0;
    // Objects with tables of their own append a line per placeholder there.
    virtual void listUndefinedReferences(gstr& text) const;

    const gstr& getTag() const noexcept { return getName(); }
    bool hasTitle() const noexcept { return !title_.isNull(); }
    // The title; without one the tag when fallback is set, else empty text.
    const gstr& getTitle(bool fallback) const noexcept;
    // An empty text clears the title.
    void setTitle(const gstrSlice& text);
    // The same, taking over the text's buffer.
    void setTitleText(gstr& text);
    // Replaces the first occurrence in the title; a title that then equals
    // the tag is cleared. 1 when something was replaced.
    int replaceInTitle(const gstrSlice& find, const gstrSlice& replacement, bool matchCase, bool wholeWord);

    void setLibraryFlag(int32_t flag) noexcept { libraryFlag_ = flag; }
    int32_t getLibraryFlag() const noexcept { return libraryFlag_; }

    // The header line: indentation, the type keyword, one blank, the tag.
    void writeHeader(CObjectFile& file, int indent) const final;
    // The TITLE line.
    void writeFields(CObjectFile& file, int indent) const override;
    void writeTitle(CObjectFile& file, int indent) const;
    // TITLE, then the storable base ("END").
    gloadStatus loadField(int token, gstr& value) override;

private:
    gstr title_;
    int32_t libraryFlag_ = 0;
};
