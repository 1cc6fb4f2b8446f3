#pragma once

#include "foundation/garray.h"
#include "scl/gprogramArgument.h"

#include <cstdint>

class gprocessorCall;

// One argument of an argument set: the argument with what is known of it
// across the objects gathered and what the edit decided for it.
class gprogramArgumentSetEntry : public gprogramArgument {
public:
    // Flags.
    static constexpr int valuesDiffer = 0x01; // the objects that have it differ in type or value
    static constexpr int missing = 0x02;      // at least one object lacks it
    static constexpr int unseen = 0x04;       // working bit while one object is gathered
    // States.
    static constexpr int untouched = 0;
    static constexpr int set = 1;             // the objects get exactly this argument
    static constexpr int addWhereMissing = 2; // objects that lack it get it, the others keep theirs
    static constexpr int deleted = 3;         // the objects lose it

    explicit gprogramArgumentSetEntry(const gprogramArgument& argument, int state = set, int flags = 0)
        : gprogramArgument(argument), flags(flags), state(state)
    {
    }

    // Takes the argument's name, type and value.
    void take(const gprogramArgument& argument) { gprogramArgument::operator=(argument); }

    int flags;
    int state;
};

// The name alone when the objects' values differ, else the argument's
// description.
gstr describeArgumentSetEntry(const gprogramArgumentSetEntry& entry);

// The program arguments of several selected objects gathered for one edit:
// gather each object's program call, edit a copy, assign the copy back, then
// apply it to every object (or commit it). The mode is -1 until an object has
// been gathered, 0 afterwards. Every walk goes from the last entry to the
// first.
class gprogramArgumentSet {
public:
    gprogramArgumentSet() = default;
    // Mode 0 and the other's entries, appended from its last to its first.
    gprogramArgumentSet(const gprogramArgumentSet& other);
    gprogramArgumentSet& operator=(const gprogramArgumentSet&) = delete;

    // Empty, mode -1.
    void reset();
    // Empty, mode 0.
    void clearGathered();
    bool isGathered() const noexcept { return mode_ == 0; }
    int32_t getMode() const noexcept { return mode_; }

    void assign(const gprogramArgumentSet& other);
    // Only the entries that every object has with one value and that are not
    // deleted; nothing when the other has gathered nothing.
    void assignUnmixed(const gprogramArgumentSet& other);

    // Merges one more object's arguments into the set.
    void gather(const gprocessorCall& call);

    int32_t size() const noexcept { return entries_.size(); }
    // Null for a slot emptied and not yet packed.
    gprogramArgumentSetEntry* entry(int32_t index) const { return entries_[index]; }
    // The entry with the same name (ignoring case), or -1.
    int32_t indexOf(const gprogramArgument& argument) const;
    // A new or edited argument: the entry's index, or -1 when every object
    // already has an argument of that name that is not deleted.
    int32_t setArgument(const gprogramArgument& argument);

    // Writes the set's decisions into one object's program call; without a
    // gathered object the target gets copies of the source's arguments.
    void applyTo(gprocessorCall& target, const gprocessorCall& source) const;
    // Drops deleted entries and makes every other one set, without flags.
    void commit();
    // Every entry untouched.
    void clearStates();

private:
    void copyEntries(const gprogramArgumentSet& other, bool unmixedOnly);
    void applyEntry(gprocessorCall& target, const gprogramArgumentSetEntry& entry) const;

    garrayOwned<gprogramArgumentSetEntry> entries_;
    int32_t mode_ = -1;
};
