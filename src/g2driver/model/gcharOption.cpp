#include "g2driver/model/gcharOption.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"

int gcharOption::parse(const char* text, const char*& next, bool allowNone)
{
    gstr item;
    const char* after = nullptr;
    int result = item.parse(text, after);
    if (result == 0)
        return 0;
    if (item.length() == 1) {
        set(item[0]);
    } else if (allowNone && item.compareNoCase(gkeyword::byToken(kw::NONE).getText()) == 0) {
        setNone();
    } else {
        return 0;
    }
    next = after;
    return result;
}

void gcharOption::write(CObjectFile& file, int ending) const
{
    if (state_ == given) {
        gstrSlice(&character_, 1).write(file, ending);
        return;
    }
    gkeyword::byToken(kw::NONE).writeValue(file, ending);
}

gstr gcharOption::text(bool noQuotes) const
{
    gstr out("");
    if (state_ == given)
        out.assignQuoted(gstrSlice(&character_, 1), noQuotes, false);
    return out;
}

int parseCharOptions(const char* text, gcharOption* options, int count)
{
    constexpr int most = 4;
    if (count < 1 || count > most)
        return 0;
    gcharOption read[most];
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        int expected = i + 1 < count ? 2 : 1;
        if (read[i].parse(p, p, true) != expected)
            return 0;
    }
    for (int i = 0; i < count; ++i)
        options[i] = read[i];
    return 1;
}
