#include "foundation/jhashIndex.h"

#include <cstring>
#include <utility>

namespace {

constexpr size_t smallestSize = 8;

} // namespace

void jhashIndex::insert(jhashObject* entry, uint32_t hash, const gstrSlice& key)
{
    // At most half full keeps probe runs short even where the table hashes
    // of many keys coincide.
    if ((used_ + 1) * 2 > slots_.size())
        grow();
    Slot slot{entry, hash, longKey, {}};
    if (key.length() <= shortKey) {
        slot.keyLength = static_cast<uint8_t>(key.length());
        if (!key.isEmpty())
            std::memcpy(slot.key, key.data(), static_cast<size_t>(key.length()));
    }
    place(slot);
    ++used_;
}

void jhashIndex::place(const Slot& slot) noexcept
{
    size_t i = home(slot.hash);
    while (slots_[i].entry)
        i = following(i);
    slots_[i] = slot;
}

void jhashIndex::grow()
{
    std::vector<Slot> old(slots_.empty() ? smallestSize : slots_.size() * 2, Slot{});
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    for (const Slot& s : old) {
        if (s.entry)
            place(s);
    }
}

void jhashIndex::erase(const jhashObject* entry, uint32_t hash) noexcept
{
    if (used_ == 0)
        return;
    size_t hole = home(hash);
    while (slots_[hole].entry != entry) {
        if (!slots_[hole].entry)
            return;
        hole = following(hole);
    }
    // Shift back every following slot of the run that may sit in the hole:
    // one whose home is not cyclically after the hole.
    for (size_t i = following(hole); slots_[i].entry; i = following(i)) {
        size_t fromHome = (i - home(slots_[i].hash)) & mask_;
        size_t fromHole = (i - hole) & mask_;
        if (fromHome >= fromHole) {
            slots_[hole] = slots_[i];
            hole = i;
        }
    }
    slots_[hole] = Slot{};
    --used_;
}

void jhashIndex::clear() noexcept
{
    std::vector<Slot>().swap(slots_);
    mask_ = 0;
    used_ = 0;
}

void jhashIndex::swap(jhashIndex& other) noexcept
{
    slots_.swap(other.slots_);
    std::swap(mask_, other.mask_);
    std::swap(used_, other.used_);
}
