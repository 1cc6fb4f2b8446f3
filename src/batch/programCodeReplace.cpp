#include "batch/programCodeReplace.h"

#include "foundation/charClasses.h"
#include "scl/gsclProgramBody.h"

#include <vector>

namespace {

constexpr char cr = '\r';

struct codeRegion {
    int32_t start;
    int32_t end;
    bool remark;
};

bool isNameChar(char c) { return charClass::isAlnum(c) || c == '_'; }

int32_t nextOf(const gstrSlice& code, int32_t pos, const char* stops)
{
    for (; pos < code.length(); ++pos) {
        for (const char* s = stops; *s; ++s) {
            if (code[pos] == *s)
                return pos;
        }
    }
    return code.length();
}

bool startsRemark(const gstrSlice& code, int32_t pos)
{
    if (!matchesAt(code, pos, "REM", false))
        return false;
    return pos + 3 >= code.length() || !isNameChar(code[pos + 3]);
}

// The remarks and literals of the code, in text order.
std::vector<codeRegion> regionsOf(const gstrSlice& code)
{
    std::vector<codeRegion> regions;
    int32_t pos = 0;
    bool statementStart = true;
    while (pos < code.length()) {
        if (statementStart && startsRemark(code, pos)) {
            int32_t end = nextOf(code, pos + 3, "\r");
            regions.push_back({pos + 3, end, true});
            pos = end + 1;
            continue;
        }
        statementStart = false;
        int32_t stop = nextOf(code, pos, "\r\":");
        if (stop >= code.length())
            break;
        if (code[stop] != '"') {
            pos = stop + 1;
            statementStart = true;
            continue;
        }
        int32_t end = nextOf(code, stop + 1, "\r\"");
        regions.push_back({stop + 1, end, false});
        pos = end + 1;
        statementStart = end < code.length() && code[end] == cr;
    }
    return regions;
}

} // namespace

int replaceInCodeText(gstr& code, const gbatchFind& find, const gcodeScopes& scopes)
{
    if (find.find.isEmpty())
        return 0;
    if (scopes.allCode)
        return find.replaceAllIn(code);
    if ((!scopes.literals && !scopes.remarks) || code.length() < find.find.length())
        return 0;
    gstrSlice replacement = find.replace.isNull() ? gstrSlice::empty : gstrSlice(find.replace);
    gstr out("");
    int32_t copied = 0;
    int count = 0;
    for (const codeRegion& r : regionsOf(code)) {
        if (!(r.remark ? scopes.remarks : scopes.literals))
            continue;
        int32_t pos = r.start;
        while (pos + find.find.length() <= r.end) {
            if (!matchesAt(code, pos, find.find, find.matchCase)
                || (find.wholeWord && !isWholeWordIn(code, pos, find.find.length(), r.start, r.end))) {
                ++pos;
                continue;
            }
            out.append(code.data() + copied, pos - copied);
            out.append(replacement);
            ++count;
            pos += find.find.length();
            copied = pos;
        }
    }
    if (count == 0)
        return 0;
    out.append(code.data() + copied, code.length() - copied);
    code.adopt(out);
    return count;
}

int replaceInProgramCode(gsclProgramBody& body, const gbatchFind& find, const gcodeScopes& scopes)
{
    gstr code(body.code().isNull() ? gstrSlice::empty : gstrSlice(body.code()));
    int count = replaceInCodeText(code, find, scopes);
    if (count > 0)
        body.setCode(code);
    return count;
}
