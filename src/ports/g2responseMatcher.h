#pragma once

#include "foundation/jhashTable.h"

#include <cstdint>
#include <vector>

class g2driverResponseElement;
class g2driverResponseList;

// One candidate match of a response-element list over a transaction's
// receive window. Positions are offsets into the window: entry 0 where the
// candidate starts, entry k where element k-1's match ends, or a marker.
class g2responseMatcher {
public:
    static constexpr int32_t skipped = -1;    // skipped, or not tried yet ("<skipped>")
    static constexpr int32_t badElement = -2; // "<bad response element>"
    static constexpr int32_t notFound = -3;   // "<not found>"

    // Over the list's elements (none for null).
    explicit g2responseMatcher(const g2driverResponseList* elements);
    g2responseMatcher(const g2responseMatcher&) = delete;
    g2responseMatcher& operator=(const g2responseMatcher&) = delete;
    ~g2responseMatcher();

    int32_t count() const noexcept { return count_; }
    g2driverResponseElement& element(int32_t index) const;
    // Each element's label, shown in the response list.
    const gstr& label(int32_t index) const { return labels_.at(static_cast<size_t>(index)); }

    int32_t getNext() const noexcept { return next_; }
    void setNext(int32_t index) noexcept { next_ = index; }
    int32_t getCursor() const noexcept { return cursor_; }
    void setCursor(int32_t offset) noexcept { cursor_ = offset; }
    int32_t position(int32_t k) const { return positions_.at(static_cast<size_t>(k)); }
    void setPosition(int32_t k, int32_t value) { positions_.at(static_cast<size_t>(k)) = value; }
    static bool isReal(int32_t position) noexcept { return position >= 0; }
    bool hasCandidate() const noexcept { return positions_[0] != skipped; }

    // The values decoded by this candidate (gnamedValue entries, owned).
    jhashNamedObjectTable& values() noexcept { return values_; }
    const jhashNamedObjectTable& values() const noexcept { return values_; }

    // No candidate: values emptied, every position skipped, matching from
    // element 0 at the offset.
    void reset(int32_t start);
    // The window dropped its oldest byte: a candidate that started after it
    // moves back with it; one that started on it is dropped.
    void shift();
    // The first real position among entries k, k-1, ..., 1; else entry 0.
    int32_t lastPosition(int32_t k) const;

private:
    const g2driverResponseList* elements_;
    int32_t count_;
    std::vector<gstr> labels_;
    int32_t next_ = 0;
    int32_t cursor_ = 0;
    std::vector<int32_t> positions_;
    jhashNamedObjectTable values_;
};
