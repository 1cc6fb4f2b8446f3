#pragma once

#include "foundation/gsortedList.h"
#include "foundation/valueParsers.h"
#include "registers/sources/valueMapLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstorable.h"

#include <cstdint>
#include <memory>
#include <vector>

// What a bit collection holds after its base, the same in every family:
// its sections (Section: a storable whose header is the SECTION line), the
// collection's XOR mask and the value map. Lines: MASK, VALUE_MAP lines,
// then one SECTION block per section.
template <class Section>
class gbitCollectionFields {
public:
    using sectionList = std::vector<std::unique_ptr<Section>>;

    sectionList& sections() noexcept { return sections_; }
    const sectionList& sections() const noexcept { return sections_; }
    uint32_t getXorMask() const noexcept { return xorMask_; }
    void setXorMask(uint32_t mask) noexcept { xorMask_ = mask; }
    gsortedList<gvalueMapEntry>& valueMap() noexcept { return valueMap_; }
    const gsortedList<gvalueMapEntry>& valueMap() const noexcept { return valueMap_; }

    void write(CObjectFile& file, int indent) const
    {
        if (xorMask_ != 0) {
            gkeyword::byToken(kw::MASK).writeKey(file, indent);
            file.writeUnsigned(xorMask_, 1);
        }
        writeValueMap(file, indent, valueMap_);
        for (const auto& section : sections_)
            section->writeEmbedded(file, indent);
    }

    // MASK, VALUE_MAP and SECTION; a SECTION line appends the section that
    // makeSection gives and makes it the owner's embedded target.
    template <class Make>
    gloadStatus loadField(int token, const gstr& value, gstorable& owner, Make makeSection)
    {
        switch (token) {
        case kw::MASK: return loadMask(value);
        case kw::VALUE_MAP: return loadValueMapLine(valueMap_, value);
        case kw::SECTION:
            if (!value.isEmpty())
                return gload::invalidValue;
            sections_.push_back(makeSection());
            owner.loadEmbeddedObject(sections_.back().get());
            return gload::accepted;
        default: return gload::unknownKeyword;
        }
    }

    bool hasSections() const noexcept { return !sections_.empty(); }

private:
    gloadStatus loadMask(const gstr& value)
    {
        if (maskRead_)
            return gload::alreadyLoaded;
        uint32_t mask = 0;
        if (parseUnsignedItem(value.data(), mask) != itemResult::end)
            return gload::invalidValue;
        xorMask_ = mask;
        maskRead_ = true;
        return gload::accepted;
    }

    sectionList sections_;
    uint32_t xorMask_ = 0;
    bool maskRead_ = false;
    gsortedList<gvalueMapEntry> valueMap_;
};
