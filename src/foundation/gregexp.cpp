#include "foundation/gregexp.h"

#include "foundation/charClasses.h"
#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"

gregexp::gregexp(bool allowZeroLength) : allowZeroLength_(allowZeroLength) {}

gregexp::gregexp(const gregexp& other) : minLength_(other.minLength_), allowZeroLength_(other.allowZeroLength_)
{
    alternatives_.copyAlternatives(other.alternatives_);
}

gregexp& gregexp::operator=(const gregexp& other)
{
    if (allowZeroLength_ != other.allowZeroLength_)
        throw gfault("allowZeroLength flags don't match in gregexp::operator =()");
    if (!other.isSet()) {
        clear();
        return *this;
    }
    gregexp copy(other);
    transferFrom(copy);
    return *this;
}

void gregexp::transferFrom(gregexp& other)
{
    if (allowZeroLength_ != other.allowZeroLength_)
        throw gfault("allowZeroLength flags don't match in gregexp::transferFrom()");
    if (&other == this)
        return;
    alternatives_.takeAlternatives(other.alternatives_);
    minLength_ = other.minLength_;
    other.minLength_ = -1;
}

void gregexp::clear()
{
    alternatives_.clearAlternatives();
    minLength_ = -1;
}

int gregexp::parse(const char* text, bool raw, bool bracesLiteral)
{
    const char* next = nullptr;
    return parse(text, next, raw, bracesLiteral);
}

int gregexp::parse(const char* text, const char*& next, bool raw, bool bracesLiteral)
{
    clear();
    gregexpSyntax syntax;
    syntax.raw = raw;
    syntax.bracesLiteral = bracesLiteral;
    const char* p = text ? text : "";
    if (!raw) {
        while (charClass::isWhite(*p))
            ++p;
        if (*p == '\0')
            return itemResult::error;
        syntax.quoted = *p == '"';
        if (syntax.quoted)
            ++p;
    }
    gregexpNodeList compiled;
    p = compiled.parseAlternatives(p, syntax, allowZeroLength_);
    if (!p)
        return itemResult::error;
    int result = itemResult::end;
    if (raw) {
        // The whole field is the pattern: a stray ')' must not cut it short.
        if (*p != '\0')
            return itemResult::error;
        next = p;
    } else {
        if (syntax.quoted) {
            if (*p != '"')
                return itemResult::error;
            ++p;
        }
        result = skipListSeparator(p, next);
        if (result == itemResult::error)
            return result;
    }
    alternatives_.takeAlternatives(compiled);
    minLength_ = alternatives_.minLength();
    return result;
}

void gregexp::toString(gstr& out, bool raw) const
{
    out.assign(gstrSlice::empty);
    print(out, raw);
}

void gregexp::print(gstr& out, bool raw) const
{
    if (!isSet())
        return;
    bool quoted = !raw && alternatives_.alternativesNeedQuotes(true);
    if (quoted)
        out.append('"');
    alternatives_.printAlternatives(out, quoted || raw, raw);
    if (quoted)
        out.append('"');
}

void gregexp::write(CObjectFile& file, int ending) const
{
    gstr text;
    print(text, false);
    file.writeString(text);
    file.writeEnding(ending);
}

bool gregexp::operator==(const gregexp& other) const
{
    return allowZeroLength_ == other.allowZeroLength_ && minLength_ == other.minLength_
        && alternatives_.sameAlternatives(other.alternatives_);
}
