#include "registers/sources/gsourceLegacyParameter.h"

#include "legacy/glegacyParameter.h"
#include "registers/gregister.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/registerFieldLines.h"
#include "registers/sources/sourceFields.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

namespace {

constexpr int parameterNotFound = 20133;

} // namespace

void gsourceLegacyParameterRef::setParameter(glegacyParameter* parameter)
{
    parameter_ = parameter;
    if (parameter)
        uses_.set(parameter->usedBy());
    else
        uses_.clear();
}

void gsourceLegacyParameterRef::writeFields(CObjectFile& file, int indent) const
{
    if (parameter_)
        writeTextLine(file, indent, kw::PARAMETER, parameter_->getTag());
}

gloadStatus gsourceLegacyParameterRef::loadField(int token, const gstr& value)
{
    if (token != kw::PARAMETER)
        return gload::unknownKeyword;
    if (parameter_)
        return gload::alreadyLoaded;
    gstr tag;
    if (!readTagItem(value, tag))
        return gload::invalidValue;
    setParameter(station::legacyParameters().reference(tag));
    return gload::accepted;
}

int gsourceLegacyParameterRef::resolveReferences(const gregisterBatchOptions& options, gstr& log)
{
    if (!parameter_ || !options.parametersInParameterSources)
        return 0;
    gstr tag(parameter_->getTag());
    if (!tag.replaceFirstMatch(options.find, options.replace, options.wholeWord, options.matchCase))
        return 0;
    glegacyParameter* found = station::legacyParameters().find(tag);
    if (found && found->isDefined()) {
        setParameter(found);
        return 1;
    }
    gstr line;
    log.append(line.format(parameterNotFound, tag, source_.getRegister().getTitle(true), parameter_->getTitle(true)));
    return 0;
}

const gsourceLegacyParameterRef* legacyParameterRef(const gregisterSource* source)
{
    if (auto* s = dynamic_cast<const gsourceLegacyParameterBistate*>(source))
        return &s->reference();
    if (auto* s = dynamic_cast<const gsourceLegacyParameterDigital*>(source))
        return &s->reference();
    if (auto* s = dynamic_cast<const gsourceLegacyParameterAnalog*>(source))
        return &s->reference();
    if (auto* s = dynamic_cast<const gsourceLegacyParameterString*>(source))
        return &s->reference();
    return nullptr;
}

gsourceLegacyParameterRef* legacyParameterRef(gregisterSource* source)
{
    return const_cast<gsourceLegacyParameterRef*>(legacyParameterRef(static_cast<const gregisterSource*>(source)));
}
