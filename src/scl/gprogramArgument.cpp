#include "scl/gprogramArgument.h"

#include "foundation/charClasses.h"
#include "foundation/gnumFormat.h"
#include "foundation/realFormat.h"
#include "foundation/valueParsers.h"
#include "store/gprocessorCall.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

bool startsVariable(char c) { return charClass::isAlpha(c) || c == '_'; }

bool continuesVariable(char c) { return charClass::isAlnum(c) || c == '_'; }

// The whole text as one real number.
bool readNumber(const gstrSlice& text, double& value)
{
    gstr copy(text);
    return parseDoubleItem(copy.data(), value) == itemResult::end;
}

} // namespace

int sclVariableType(const gstrSlice& name)
{
    int32_t n = name.length();
    if (n == 0 || !startsVariable(name[0]))
        return 0;
    int type = 1;
    if (name[n - 1] == '$' || name[n - 1] == '%') {
        type = name[n - 1] == '$' ? 2 : 3;
        --n;
    }
    for (int32_t i = 1; i < n; ++i) {
        if (!continuesVariable(name[i]))
            return 0;
    }
    return type;
}

void gprogramArgument::setName(const gstrSlice& name)
{
    name_.assign(name);
    type_ = sclVariableType(name);
}

bool gprogramArgument::hasSameName(const gprogramArgument& other) const noexcept
{
    return name_.compareNoCase(other.name_) == 0;
}

void gprogramArgument::clearValue()
{
    number_ = 0;
    boolean_ = 0;
    string_.assign(gstrSlice::empty);
}

bool gprogramArgument::equals(const gprogramArgument& other) const noexcept
{
    if (type_ != other.type_ || !hasSameName(other))
        return false;
    switch (type_) {
    case 2: return string_.compare(other.string_) == 0;
    case 3: return boolean_ == other.boolean_;
    default: return number_ == other.number_;
    }
}

int gprogramArgument::parse(const char* text)
{
    gstr name;
    const char* next = nullptr;
    if (name.parse(text, next) != itemResult::comma)
        return 0;
    int type = sclVariableType(name);
    double number = 0;
    int truth = 0;
    gstr string;
    switch (type) {
    case 1:
        if (parseDoubleItem(next, number) != itemResult::end)
            return 0;
        break;
    case 2:
        if (string.parse(next) != itemResult::end)
            return 0;
        break;
    case 3: {
        int token = -1;
        if (parseKeywordItem(next, token) != itemResult::end || (token != kw::TRUE && token != kw::FALSE))
            return 0;
        truth = token == kw::TRUE ? 1 : 0;
        break;
    }
    default: return 0;
    }
    name_.adopt(name);
    type_ = type;
    number_ = number;
    boolean_ = truth;
    if (type == 2)
        string_.adopt(string);
    return 1;
}

void gprogramArgument::write(CObjectFile& file, int ending) const
{
    name_.write(file, 2);
    switch (type_) {
    case 2: string_.write(file, ending); return;
    case 3: gkeyword::byToken(boolean_ ? kw::TRUE : kw::FALSE).writeValue(file, ending); return;
    default: file.writeReal(number_, ending); return;
    }
}

int gprogramArgument::replaceValue(const gstrSlice& find, const gstrSlice& replace, bool wholeWord, bool matchCase)
{
    switch (type_) {
    case 2: return string_.replaceFirstMatch(find, replace, wholeWord, matchCase) > 0 ? 1 : 0;
    case 3: {
        gstrSlice from = boolean_ ? gstrSlice("true%") : gstrSlice("false%");
        gstrSlice to = boolean_ ? gstrSlice("false%") : gstrSlice("true%");
        if (find.compareNoCase(from) != 0 || replace.compareNoCase(to) != 0)
            return 0;
        boolean_ = !boolean_;
        return 1;
    }
    default: {
        double found = 0, replacement = 0;
        if (!readNumber(find, found) || found != number_ || !readNumber(replace, replacement))
            return 0;
        number_ = replacement;
        return 1;
    }
    }
}

gstr describeProgramArgument(const gprogramArgument& argument)
{
    gstr text;
    switch (argument.type()) {
    case 2:
        text.assign(argument.name());
        text.append(" = \"");
        text.append(argument.string());
        text.append('"');
        return text;
    case 3: return text.format("%s = %s", argument.name(), argument.boolean() ? "TRUE%" : "FALSE%");
    default: break;
    }
    char number[realFormatSize];
    int length = formatRealG(number, argument.number(), 10);
    for (int i = 0; i < length; ++i) {
        if (number[i] == '.')
            number[i] = getUserDecimalSeparator();
    }
    return text.format("%s = %s", argument.name(), gstrSlice(number, length));
}

gstr describeProgramArgumentList(const gprocessorCall& call)
{
    gstr text("");
    bool first = true;
    for (int i = call.argumentCount() - 1; i >= 0; --i) {
        const gprogramArgument* argument = call.getArgument(i);
        if (!argument)
            continue;
        text.append(first ? " (" : ", ");
        text.append(describeProgramArgument(*argument));
        first = false;
    }
    if (!first)
        text.append(')');
    return text;
}
