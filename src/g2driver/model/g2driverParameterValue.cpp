#include "g2driver/model/g2driverParameterValue.h"

#include "foundation/gfault.h"
#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverParameter.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

namespace {

constexpr int offText = 20160;
constexpr int onText = 20161;

} // namespace

void g2driverParameterValue::setBistate(bool on)
{
    kind_ = g2valueKind::bistate;
    number_ = on ? 1 : 0;
}

void g2driverParameterValue::setDigital(uint32_t value)
{
    kind_ = g2valueKind::digital;
    number_ = value;
}

void g2driverParameterValue::setAnalog(double value)
{
    kind_ = g2valueKind::analog;
    real_ = value;
}

void g2driverParameterValue::setString(const gstrSlice& text)
{
    kind_ = g2valueKind::string;
    text_.assign(text.isNull() ? gstrSlice::empty : text);
}

int g2driverParameterValue::read(const char* text)
{
    int token = -1;
    const char* next = nullptr;
    if (parseKeywordItem(text, token, next) != itemResult::comma)
        return itemResult::error;
    switch (g2valueKind::fromKeyword(token)) {
    case g2valueKind::bistate: {
        int state = -1;
        int result = parseKeywordItem(next, state);
        if (result == itemResult::error || (state != kw::ON && state != kw::OFF))
            return itemResult::error;
        setBistate(state == kw::ON);
        return result;
    }
    case g2valueKind::digital: {
        uint32_t value = 0;
        int result = parseUnsignedItem(next, value);
        if (result != itemResult::error)
            setDigital(value);
        return result;
    }
    case g2valueKind::analog: {
        double value = 0;
        int result = parseDoubleItem(next, value);
        if (result != itemResult::error)
            setAnalog(value);
        return result;
    }
    case g2valueKind::string: {
        gstr value;
        int result = value.parse(next);
        if (result != itemResult::error)
            setString(value);
        return result;
    }
    default: return itemResult::error;
    }
}

void g2driverParameterValue::write(CObjectFile& file, int ending) const
{
    getName().write(file, 2);
    int token = g2valueKind::keywordOf(kind_);
    if (token < 0)
        throw gfault("value without a kind in g2driverParameterValue::write()");
    gkeyword::byToken(token).writeValue(file, 2);
    switch (kind_) {
    case g2valueKind::bistate: gkeyword::byToken(number_ ? kw::ON : kw::OFF).writeValue(file, ending); break;
    case g2valueKind::digital: file.writeUnsigned(number_, ending); break;
    case g2valueKind::analog: file.writeReal(real_, ending); break;
    default: text_.write(file, ending); break;
    }
}

int g2driverParameterValue::replace(const gstrSlice& find, const gstrSlice& replacement, bool matchCase,
                                    bool wholeWord)
{
    gstr findText(find);
    gstr replacementText(replacement);
    switch (kind_) {
    case g2valueKind::bistate: {
        gstrSlice current = number_ ? gstrSlice("ON") : gstrSlice("OFF");
        gstrSlice other = number_ ? gstrSlice("OFF") : gstrSlice("ON");
        bool same = matchCase ? findText.compare(current) == 0 : findText.compareNoCase(current) == 0;
        bool flips = matchCase ? replacementText.compare(other) == 0 : replacementText.compareNoCase(other) == 0;
        if (!same || !flips)
            return 0;
        number_ = number_ ? 0 : 1;
        return 1;
    }
    case g2valueKind::digital: {
        uint32_t was = 0;
        uint32_t now = 0;
        if (parseUnsignedItem(findText.data(), was) != itemResult::end || was != number_
            || parseUnsignedItem(replacementText.data(), now) != itemResult::end || now == number_)
            return 0;
        number_ = now;
        return 1;
    }
    case g2valueKind::analog: {
        double was = 0;
        double now = 0;
        if (parseDoubleItem(findText.data(), was) != itemResult::end || was != real_
            || parseDoubleItem(replacementText.data(), now) != itemResult::end || now == real_)
            return 0;
        real_ = now;
        return 1;
    }
    case g2valueKind::string: return text_.replaceFirstMatch(find, replacement, wholeWord, matchCase) ? 1 : 0;
    default: return 0;
    }
}

void g2driverParameterValue::appendValueText(gstr& out, const g2driverParameter& parameter) const
{
    gstr text;
    switch (kind_) {
    case g2valueKind::bistate: text.loadString(number_ ? onText : offText); break;
    case g2valueKind::digital:
        if (!parameter.valueName(number_).isEmpty())
            text.assign(parameter.valueName(number_));
        else
            text.format("%u", number_);
        break;
    case g2valueKind::analog: text.format("%.10G", real_); break;
    default: text.assignQuoted(text_, false, true); break;
    }
    out.append(text);
}

gloadStatus g2driverParameterValue::loadLine(g2driverParameterValueTable& table, const gstr& value)
{
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty())
        return gload::invalidValue;
    g2driverParameterValue* entry = table.define(tag);
    if (!entry)
        return gload::alreadyLoaded;
    if (entry->read(next) == itemResult::end)
        return gload::accepted;
    // A value that did not read leaves no entry without a kind behind.
    table.remove(entry);
    delete entry;
    return gload::invalidValue;
}

void g2driverParameterValue::describeList(gstr& out, const garray<g2driverParameter>& parameters,
                                          const g2driverParameterValueTable& values)
{
    bool first = true;
    for (int32_t i = 0; i < parameters.size(); ++i) {
        const g2driverParameter& parameter = *parameters[i];
        const g2driverParameterValue* value = values.find(parameter.getName());
        if (!value)
            continue;
        out.append(first ? " (" : ", ");
        first = false;
        out.append(parameter.getName());
        out.append(" = ");
        value->appendValueText(out, parameter);
    }
    if (!first)
        out.append(')');
}

void g2driverParameterValue::copyAll(const g2driverParameterValueTable& from, g2driverParameterValueTable& to)
{
    jhashTypedIterator<g2driverParameterValue> it(from);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        auto copy = std::make_unique<g2driverParameterValue>(*value);
        if (to.insert(copy.get()))
            copy.release();
    }
}
