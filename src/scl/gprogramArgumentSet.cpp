#include "scl/gprogramArgumentSet.h"

#include "store/gprocessorCall.h"

#include <memory>

using entryT = gprogramArgumentSetEntry;

gstr describeArgumentSetEntry(const gprogramArgumentSetEntry& entry)
{
    if (entry.flags & entryT::valuesDiffer)
        return gstr(entry.name());
    return describeProgramArgument(entry);
}

gprogramArgumentSet::gprogramArgumentSet(const gprogramArgumentSet& other) { assign(other); }

void gprogramArgumentSet::reset()
{
    entries_.deleteAll();
    mode_ = -1;
}

void gprogramArgumentSet::clearGathered()
{
    entries_.deleteAll();
    mode_ = 0;
}

void gprogramArgumentSet::assign(const gprogramArgumentSet& other)
{
    if (&other != this)
        copyEntries(other, false);
}

void gprogramArgumentSet::assignUnmixed(const gprogramArgumentSet& other)
{
    if (&other != this && other.mode_ != -1)
        copyEntries(other, true);
}

void gprogramArgumentSet::copyEntries(const gprogramArgumentSet& other, bool unmixedOnly)
{
    constexpr int kept = entryT::valuesDiffer | entryT::missing;
    entries_.deleteAll();
    mode_ = 0;
    for (int32_t i = other.size() - 1; i >= 0; --i) {
        const entryT* e = other.entry(i);
        if (!e)
            continue;
        if (unmixedOnly && ((e->flags & kept) || e->state == entryT::deleted))
            continue;
        entries_.append(new entryT(*e, e->state, e->flags & kept));
    }
}

void gprogramArgumentSet::gather(const gprocessorCall& call)
{
    if (mode_ == -1) {
        clearGathered();
        for (int i = 0; i < call.argumentCount(); ++i) {
            if (const gprogramArgument* a = call.getArgument(i))
                entries_.append(new entryT(*a));
        }
        return;
    }
    for (int32_t i = size() - 1; i >= 0; --i) {
        if (entryT* e = entry(i))
            e->flags |= entryT::unseen;
    }
    for (int i = 0; i < call.argumentCount(); ++i) {
        const gprogramArgument* a = call.getArgument(i);
        if (!a)
            continue;
        int32_t index = indexOf(*a);
        if (index < 0) {
            entries_.append(new entryT(*a, entryT::set, entryT::missing));
            continue;
        }
        entryT* e = entry(index);
        if (!(e->flags & entryT::valuesDiffer) && !a->equals(*e))
            e->flags |= entryT::valuesDiffer;
        e->flags &= ~entryT::unseen;
    }
    for (int32_t i = size() - 1; i >= 0; --i) {
        entryT* e = entry(i);
        if (e && (e->flags & entryT::unseen))
            e->flags = (e->flags & ~entryT::unseen) | entryT::missing;
    }
}

int32_t gprogramArgumentSet::indexOf(const gprogramArgument& argument) const
{
    for (int32_t i = size() - 1; i >= 0; --i) {
        const entryT* e = entry(i);
        if (e && e->hasSameName(argument))
            return i;
    }
    return -1;
}

int32_t gprogramArgumentSet::setArgument(const gprogramArgument& argument)
{
    int32_t index = indexOf(argument);
    if (index < 0) {
        entries_.append(new entryT(argument));
        return size() - 1;
    }
    entryT* e = entry(index);
    if (e->state == entryT::deleted) {
        e->take(argument);
        e->state = entryT::set;
        e->flags = 0;
        return index;
    }
    if (!(e->flags & entryT::missing))
        return -1;
    bool differed = (e->flags & entryT::valuesDiffer) != 0 || !argument.equals(*e);
    e->take(argument);
    e->state = entryT::set;
    e->flags = 0;
    if (differed) {
        e->flags = entryT::valuesDiffer;
        e->state = entryT::addWhereMissing;
    }
    return index;
}

void gprogramArgumentSet::applyTo(gprocessorCall& target, const gprocessorCall& source) const
{
    if (mode_ == -1) {
        target.clearArguments();
        for (int i = source.argumentCount() - 1; i >= 0; --i) {
            if (const gprogramArgument* a = source.getArgument(i))
                target.addArgumentCopy(*a, false);
        }
        return;
    }
    for (int32_t i = size() - 1; i >= 0; --i) {
        const entryT* e = entry(i);
        if (e && e->state != entryT::untouched)
            applyEntry(target, *e);
    }
    target.packArguments();
}

void gprogramArgumentSet::applyEntry(gprocessorCall& target, const gprogramArgumentSetEntry& entry) const
{
    int index = target.findArgument(entry);
    if (index < 0) {
        if (entry.state != entryT::deleted)
            target.addArgumentCopy(entry, false);
        return;
    }
    if (entry.state == entryT::deleted) {
        target.removeArgument(index);
        return;
    }
    if (entry.state == entryT::set)
        *target.getArgument(index) = entry;
}

void gprogramArgumentSet::commit()
{
    for (int32_t i = size() - 1; i >= 0; --i) {
        entryT* e = entry(i);
        if (!e)
            continue;
        if (e->state == entryT::deleted) {
            entries_.deleteAt(i);
            continue;
        }
        e->state = entryT::set;
        e->flags = 0;
    }
    entries_.pack();
}

void gprogramArgumentSet::clearStates()
{
    for (int32_t i = size() - 1; i >= 0; --i) {
        if (entryT* e = entry(i))
            e->state = entryT::untouched;
    }
}
