#pragma once

#include <cstdint>

class jhashObject;
class jhashTable;

// Walks a table bucket by bucket, each chain in insertion order. Running past
// the end detaches the iterator; using it again before attaching it throws.
// It does not notice changes: the table must not change while it is walked.
class jhashIterator {
public:
    jhashIterator() noexcept = default;
    explicit jhashIterator(const jhashTable& table) noexcept { attach(table); }

    void attach(const jhashTable& table) noexcept;
    // 1 with the next entry; 0 at the end, with entry null.
    int get(jhashObject*& entry);

private:
    const jhashTable* table_ = nullptr;
    int32_t bucket_ = -1;
    jhashObject* current_ = nullptr;
};

// An iterator that yields the entries as the table's element class.
template <class T>
class jhashTypedIterator : public jhashIterator {
public:
    using jhashIterator::jhashIterator;

    int get(T*& element)
    {
        jhashObject* entry = nullptr;
        int found = jhashIterator::get(entry);
        element = static_cast<T*>(entry);
        return found;
    }
};
