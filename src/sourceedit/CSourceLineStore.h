#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Lines of text with a 16-bit word each, held in a gap buffer so that runs
// of insertions and deletions near one place (typing, a paste of many lines,
// loading) cost no more than the lines they touch. Meets the line-store
// contract of CSourceDoc; reading a line past the end answers an empty line
// without growing the store.
class CSourceLineStore {
public:
    int32_t count() const { return static_cast<int32_t>(slots_.size() - gapLength()); }
    const char* text(int32_t line) const;
    int32_t length(int32_t line) const;
    uint16_t word(int32_t line) const;

    // Each answers how many bookmarked lines (word bit 15) it removed.
    int32_t deleteLines(int32_t first, int32_t count);
    // Before an existing line; -1 removes every line; else grows to line + 1.
    int32_t insertLine(int32_t line);

    char* lock(int32_t line, int32_t minimumLength);
    void release(int32_t line, int32_t newLength);
    void setWord(int32_t line, uint16_t word);

private:
    struct lineEntry {
        std::string text;
        uint16_t word = 0;
    };

    size_t gapLength() const { return gapEnd_ - gapStart_; }
    size_t slot(int32_t line) const;
    const lineEntry* find(int32_t line) const;
    lineEntry& ensure(int32_t line);
    void moveGap(size_t to);
    void openGap(size_t needed);
    static int32_t bookmarksIn(const lineEntry& entry) { return (entry.word & 0x8000) ? 1 : 0; }

    std::vector<lineEntry> slots_;
    size_t gapStart_ = 0;
    size_t gapEnd_ = 0;
};
