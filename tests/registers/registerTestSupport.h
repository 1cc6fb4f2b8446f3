#pragma once

#include "registers/gregister.h"
#include "scl/gsclProgram.h"
#include "store/gobjectType.h"
#include "store/gstation.h"
#include "store/storeTestSupport.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A register read from text the way the station file reads one: the header
// line "KIND tag" defines it, the following lines go to loadLine until one
// is not accepted. The answers are kept in line order; lines left unread
// after a refusal make the last answer refusedEarly.
struct loadedRegister {
    gregister* reg = nullptr;
    std::vector<gloadStatus> answers;

    gloadStatus last() const { return answers.empty() ? -1 : answers.back(); }
};

inline loadedRegister loadRegister(const std::string& text)
{
    loadedRegister loaded;
    size_t blank = text.find(' ');
    size_t end = text.find('\n');
    const gobjectType* type = objectTypeRegistry().find(gstr(text.substr(0, blank).c_str()));
    if (!type)
        return loaded;
    std::string tag = text.substr(blank + 1, end - blank - 1);
    loaded.reg = static_cast<gregister*>(type->defineObject(gstr(tag.c_str()), false));
    if (!loaded.reg)
        return loaded;
    gregister* reg = loaded.reg;
    loaded.answers = feedUntilRefused(text.substr(end + 1), [reg](int token, gstr& value) {
        return reg->loadLine(token, value);
    });
    return loaded;
}

// The register's block as a save writes it, line ends as "\n".
inline std::string writtenRegister(const gregister& reg)
{
    return writtenText([&](CObjectFile& file) { reg.writeEmbedded(file, 0); });
}

// Every test starts and ends with an empty station; the programs the
// controls name are defined by the tests that need them.
class registerTest : public emptyStation {
protected:
    static gsclProgram* program(const char* tag, const char* title = nullptr)
    {
        gsclProgram* p = station::programs().define(tag);
        if (!p)
            p = station::programs().find(tag);
        if (title)
            p->setTitle(title);
        return p;
    }

    static std::string users(gusedByList& list)
    {
        gstr text("");
        list.describeUsers(text);
        return std::string(text.view());
    }

    // Loads the text, expects it to end with the register finished, and
    // answers what a save writes.
    static std::string roundTrip(const std::string& text)
    {
        loadedRegister loaded = loadRegister(text);
        EXPECT_NE(loaded.reg, nullptr);
        if (!loaded.reg)
            return "";
        EXPECT_EQ(loaded.last(), gload::finished) << text;
        return writtenRegister(*loaded.reg);
    }
};
