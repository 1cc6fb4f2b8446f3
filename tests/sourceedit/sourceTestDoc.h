#pragma once

#include "sourceedit/CSourceTextDoc.h"

#include <string>
#include <vector>

// A document for tests: its text is given and read back with "\n" between
// lines, and it remembers the notifications it sent and the caret they put.
class sourceTestDoc : public CSourceTextDoc {
public:
    explicit sourceTestDoc(const std::string& text = "")
    {
        clear();
        if (!text.empty())
            insertText({0, 0}, gstrSlice(text.data(), static_cast<int32_t>(text.size())));
        setModified(0);
    }

    std::string text() const
    {
        std::string out;
        for (int32_t l = 0; l < getLineCount(); ++l) {
            if (l > 0)
                out += '\n';
            out += lineText(l);
        }
        return out;
    }

    void notifyViews(const void*, int, const CSourceHint& hint) override
    {
        hints.push_back(hint);
        if (hint.flags & CSourceHint::moveCaret)
            caret = hint.caret;
    }

    std::vector<CSourceHint> hints;
    CSourcePosition caret;
};
