#pragma once

#include "foundation/jhashIterator.h"
#include "store/gtitledObject.h"
#include "store/jhashTypedDatabaseTable.h"

#include <functional>
#include <memory>

// The string-table texts with which a batch dialog reports on its objects.
struct gbatchTexts {
    int foundNone;    // Find All Tags: none ("%s" the find text)
    int foundOne;
    int foundMany;    // "%d"
    int replacedNone; // Replace All ("%s" the find text where the text has it)
    int replacedOne;
    int replacedMany; // "%d"
    int tagTaken;     // duplicate log line: the new tag, the copied object's name
    int createdNone;
    int createdOne;
    int createdMany;
    int deleteOne;    // the Delete All questions
    int deleteTwo;
    int deleteMore;
    int keptSome;     // Delete All kept objects in use; 0 when nothing is kept
    int keptAll;
};

// What the batch operations need of one object type of the station: its
// table, a table for new copies, a copy of an object and whether an object
// is in use.
class gbatchKind {
public:
    explicit gbatchKind(const gbatchTexts& texts) : texts_(texts) {}
    virtual ~gbatchKind() = default;

    const gbatchTexts& texts() const noexcept { return texts_; }
    virtual jhashDatabaseTable& stationTable() const = 0;
    // An empty table of the type's element class.
    virtual std::unique_ptr<jhashDatabaseTable> newTable() const = 0;
    // Everything but the used-by list, in no table.
    virtual gtitledObject* copyOf(const gtitledObject& object) const = 0;
    virtual bool isInUse(gtitledObject& object) const = 0;
    // Every defined object of the station's table.
    virtual std::vector<gtitledObject*> objects() const = 0;

private:
    gbatchTexts texts_;
};

template <class E>
class gbatchKindOf final : public gbatchKind {
public:
    using tableAccess = jhashTypedDatabaseTable<E>& (*)();
    using usedRule = std::function<bool(E&)>;

    gbatchKindOf(const gbatchTexts& texts, tableAccess table, usedRule inUse)
        : gbatchKind(texts), table_(table), inUse_(std::move(inUse))
    {
    }

    jhashDatabaseTable& stationTable() const override { return table_(); }
    std::unique_ptr<jhashDatabaseTable> newTable() const override
    {
        return std::make_unique<jhashTypedDatabaseTable<E>>(31);
    }
    gtitledObject* copyOf(const gtitledObject& object) const override
    {
        return new E(static_cast<const E&>(object));
    }
    bool isInUse(gtitledObject& object) const override { return inUse_ && inUse_(static_cast<E&>(object)); }
    std::vector<gtitledObject*> objects() const override
    {
        std::vector<gtitledObject*> all;
        jhashTypedIterator<E> it(table_());
        E* object = nullptr;
        while (it.get(object)) {
            if (object->isDefined())
                all.push_back(object);
        }
        return all;
    }

private:
    tableAccess table_;
    usedRule inUse_;
};
