#include "store/gkeyword.h"

#include "foundation/gfault.h"
#include "store/CObjectFile.h"

#include <iterator>

namespace {

constexpr int listedTokens[] = {
#define KORVEL_KEYWORD(token, name, text) token,
#include "store/keywordList.h"
#undef KORVEL_KEYWORD
};

constexpr bool tokensAreTablePlaces()
{
    for (int i = 0; i < static_cast<int>(std::size(listedTokens)); ++i) {
        if (listedTokens[i] != i)
            return false;
    }
    return std::size(listedTokens) == keywordCount;
}
static_assert(tokensAreTablePlaces(), "the keyword list must hold tokens 0 to 482 in order");

// Built on first use rather than by a static initialiser: a static library
// drops objects nothing refers to, initialisers and all.
struct keywordSet {
    jhashKeywordTable table;
    gkeyword entries[keywordCount] = {
#define KORVEL_KEYWORD(token, name, text) {text, token},
#include "store/keywordList.h"
#undef KORVEL_KEYWORD
    };

    keywordSet()
    {
        for (gkeyword& entry : entries) {
            if (!table.insert(&entry))
                throw gfault("duplicate keyword in keywordTable()");
        }
    }
};

keywordSet& keywords()
{
    static keywordSet set;
    return set;
}

void writeTabs(CObjectFile& file, int count)
{
    for (int i = 0; i < count; ++i)
        file.putChar('\t');
}

} // namespace

const jhashKeywordTable& keywordTable() { return keywords().table; }

const gkeyword& gkeyword::byToken(int token)
{
    if (token < 0 || token >= keywordCount)
        throw gfault("token out of range in gkeyword::byToken()");
    return keywords().entries[token];
}

void gkeyword::writeKey(CObjectFile& file, int indent) const
{
    writeIndented(file, indent);
    if (text_.length() < 8)
        file.writeBytes("\t\t", 2);
    else if (text_.length() < 16)
        file.putChar('\t');
    else
        file.putChar(' ');
}

void gkeyword::writeValue(CObjectFile& file, int ending) const { text_.write(file, ending); }

void gkeyword::writeIndented(CObjectFile& file, int indent) const
{
    writeTabs(file, indent);
    file.writeString(text_);
}

int parseKeywordItem(const char* text, int& token)
{
    const char* next = nullptr;
    return parseKeywordItem(text, token, next);
}

int parseKeywordItem(const char* text, int& token, const char*& next)
{
    gstr word;
    int result = word.parse(text, next);
    if (result == 0)
        return 0;
    const gkeyword* keyword = keywordTable().find(word);
    if (!keyword)
        return 0;
    token = keyword->getToken();
    return result;
}
