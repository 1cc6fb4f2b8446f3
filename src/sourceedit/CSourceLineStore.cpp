#include "sourceedit/CSourceLineStore.h"

#include "foundation/gfault.h"

#include <algorithm>
#include <utility>

size_t CSourceLineStore::slot(int32_t line) const
{
    size_t index = static_cast<size_t>(line);
    return index < gapStart_ ? index : index + gapLength();
}

const CSourceLineStore::lineEntry* CSourceLineStore::find(int32_t line) const
{
    if (line < 0 || line >= count())
        return nullptr;
    return &slots_[slot(line)];
}

const char* CSourceLineStore::text(int32_t line) const
{
    const lineEntry* entry = find(line);
    return entry ? entry->text.c_str() : "";
}

int32_t CSourceLineStore::length(int32_t line) const
{
    const lineEntry* entry = find(line);
    return entry ? static_cast<int32_t>(entry->text.size()) : 0;
}

uint16_t CSourceLineStore::word(int32_t line) const
{
    const lineEntry* entry = find(line);
    return entry ? entry->word : 0;
}

void CSourceLineStore::moveGap(size_t to)
{
    if (gapLength() == 0) {
        gapStart_ = gapEnd_ = to;
        return;
    }
    while (gapStart_ > to) {
        --gapStart_;
        --gapEnd_;
        slots_[gapEnd_] = std::move(slots_[gapStart_]);
    }
    while (gapStart_ < to) {
        slots_[gapStart_] = std::move(slots_[gapEnd_]);
        ++gapStart_;
        ++gapEnd_;
    }
}

// Makes room for at least needed lines in the gap, wherever the gap is.
void CSourceLineStore::openGap(size_t needed)
{
    if (gapLength() >= needed)
        return;
    size_t used = slots_.size() - gapLength();
    size_t capacity = std::max({size_t(16), (used + needed) * 2, slots_.size()});
    std::vector<lineEntry> grown(capacity);
    size_t tail = slots_.size() - gapEnd_;
    std::move(slots_.begin(), slots_.begin() + static_cast<ptrdiff_t>(gapStart_), grown.begin());
    std::move(slots_.begin() + static_cast<ptrdiff_t>(gapEnd_), slots_.end(),
              grown.end() - static_cast<ptrdiff_t>(tail));
    slots_ = std::move(grown);
    gapEnd_ = slots_.size() - tail;
}

CSourceLineStore::lineEntry& CSourceLineStore::ensure(int32_t line)
{
    if (line < 0)
        throw gfault("CSourceLineStore::ensure: negative line");
    int32_t have = count();
    if (line >= have) {
        moveGap(static_cast<size_t>(have));
        openGap(static_cast<size_t>(line - have + 1));
        for (int32_t i = have; i <= line; ++i)
            slots_[gapStart_++] = lineEntry{};
    }
    return slots_[slot(line)];
}

int32_t CSourceLineStore::deleteLines(int32_t first, int32_t n)
{
    int32_t have = count();
    first = std::max(first, 0);
    n = std::min(n, have - first);
    if (n <= 0)
        return 0;
    moveGap(static_cast<size_t>(first + n));
    int32_t bookmarks = 0;
    for (int32_t i = 0; i < n; ++i) {
        lineEntry& gone = slots_[--gapStart_];
        bookmarks += bookmarksIn(gone);
        gone = lineEntry{};
    }
    return bookmarks;
}

int32_t CSourceLineStore::insertLine(int32_t line)
{
    if (line == -1)
        return deleteLines(0, count());
    if (line < 0)
        throw gfault("CSourceLineStore::insertLine: negative line");
    if (line >= count()) {
        ensure(line);
        return 0;
    }
    moveGap(static_cast<size_t>(line));
    openGap(1);
    slots_[gapStart_++] = lineEntry{};
    return 0;
}

char* CSourceLineStore::lock(int32_t line, int32_t minimumLength)
{
    std::string& text = ensure(line).text;
    if (static_cast<int32_t>(text.size()) < minimumLength)
        text.resize(static_cast<size_t>(minimumLength));
    return text.data();
}

void CSourceLineStore::release(int32_t line, int32_t newLength)
{
    std::string& text = ensure(line).text;
    text.resize(static_cast<size_t>(std::max(newLength, 0)));
}

void CSourceLineStore::setWord(int32_t line, uint16_t word) { ensure(line).word = word; }
