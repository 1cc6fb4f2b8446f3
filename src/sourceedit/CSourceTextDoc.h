#pragma once

#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceLineStore.h"

// A source document whose lines live in a CSourceLineStore. It asks about
// long lines through the message service.
class CSourceTextDoc : public CSourceDoc {
public:
    CSourceTextDoc();
    ~CSourceTextDoc() override;

    int32_t getLineCount() const override { return lines_.count(); }
    const char* getLineText(int32_t line) const override { return lines_.text(line); }
    int32_t getLineLength(int32_t line) const override { return lines_.length(line); }
    void deleteLines(int32_t first, int32_t count) override;
    void insertLine(int32_t line) override;
    char* lockLineBuffer(int32_t line, int32_t minimumLength) override;
    void releaseLineBuffer(int32_t line, int32_t newLength) override;
    uint16_t getLineWord(int32_t line) const override { return lines_.word(line); }
    void setLineWord(int32_t line, uint16_t word) override;

    int onLongLine() override;
    int isModified() override { return modified_; }
    void setModified(int flag) override { modified_ = flag != 0; }

private:
    CSourceLineStore lines_;
    int modified_ = 0;
};

// The notice shown once per load when a line is too long.
extern const char* const sourceLongLineNotice;
