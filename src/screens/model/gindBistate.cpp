#include "screens/model/gindBistate.h"

#include "foundation/gfault.h"
#include "registers/gregister.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "store/gkeyword.h"

namespace {

constexpr int stateTokens[5] = {kw::MASKED_STATE, kw::ERROR_STATE, kw::BLINK_STATE, kw::ON_STATE, kw::OFF_STATE};

} // namespace

gindBistate::gindBistate(const gindBistate& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : gindShapeIndicator(source, dx, dy, screen), register_(source.register_)
{
    for (int i = 0; i < 5; ++i) {
        if (source.records_[i])
            records_[i] = source.records_[i]->clone();
    }
    if (linkReferences)
        linkRegister(register_);
}

int gindBistate::headerToken() const { return kw::BISTATE_IND; }

const gindObjectInfo* gindBistate::record(int state) const noexcept
{
    return state >= 0 && state < 5 ? records_[state].get() : nullptr;
}

int gindBistate::previewedState() const
{
    int s = previewValues().bistateState;
    return s == gstate::blink ? blinkingState(registerLevel(register_)) : s;
}

const gindObjectInfo* gindBistate::drawRecord() const { return record(previewedState()); }

const gindObjectInfo* gindBistate::hitRecord() const
{
    int s = previewedState();
    if (const gindObjectInfo* found = record(s))
        return found;
    if (s == gstate::blink || s == gstate::on)
        return record(5 - s);
    return nullptr;
}

gindObjectInfo* gindBistate::textRecord() const
{
    int s = previewValues().bistateState;
    if (s == gstate::blink && registerLevel(register_) < 3)
        s = gstate::on;
    return s >= 0 && s < 5 ? records_[s].get() : nullptr;
}

void gindBistate::forEachRecord(const std::function<void(gindObjectInfo&)>& f) const
{
    for (const auto& each : records_) {
        if (each)
            f(*each);
    }
}

void gindBistate::writeFields(CObjectFile& file, int indent) const
{
    gindShapeIndicator::writeFields(file, indent);
    if (register_) {
        writeKeyOf(file, indent, kw::REGISTER);
        register_->getTag().write(file, 1);
    }
    for (int state : {gstate::masked, gstate::error, gstate::on, gstate::blink, gstate::off})
        writeRecord(file, indent, stateTokens[state], records_[state].get());
}

gloadStatus gindBistate::loadField(int token, gstr& value)
{
    for (int i = 0; i < 5; ++i) {
        if (token == stateTokens[i])
            return loadRecord(records_[i]);
    }
    if (token != kw::REGISTER)
        return gindShapeIndicator::loadField(token, value);
    if (register_)
        return gload::alreadyLoaded;
    register_ = readRegisterTag(value);
    if (!register_)
        return gload::invalidValue;
    linkRegister(register_);
    return gload::accepted;
}

bool gindBistate::isComplete() const
{
    if (!gindShapeIndicator::isComplete() || !register_)
        return false;
    for (const auto& each : records_) {
        if (each)
            return true;
    }
    return false;
}

int gindBistate::beginCreate(int32_t x, int32_t y)
{
    const gpropBistate& set = drawingDefaults().bistate;
    register_ = referredObject(set.reg);
    if (!register_)
        throw gfault("register NULL in gindBistate::create()");
    linkRegister(register_);
    for (int i = 0; i < 5; ++i) {
        records_[i].reset();
        if (set.states[i].enable.isTrue()) {
            records_[i] = shape_->makeStateRecord();
            records_[i]->apply(set.states[i].values);
        }
    }
    return shape_->beginCreate(x, y);
}

void gindBistate::setProperties(const gpropBistate& set, int id, int stateId)
{
    if (id == gprop::registerRef) {
        register_ = referredObject(set.reg);
        linkRegister(register_);
        return;
    }
    if (stateId < 0 || stateId >= 5)
        return;
    std::unique_ptr<gindObjectInfo>& slot = records_[stateId];
    const gstateAppearance& state = set.states[stateId];
    if (id != gprop::enable) {
        if (slot)
            slot->applyOne(state.values, id);
        return;
    }
    if (!state.enable.hasValue())
        return;
    if (state.enable.isTrue()) {
        if (!slot) {
            slot = shape_->makeStateRecord();
            slot->apply(state.values);
        }
        return;
    }
    int present = 0;
    for (const auto& each : records_)
        present += each ? 1 : 0;
    if (slot && present > 1)
        slot.reset();
}

void gindBistate::collectProperties(gdrawingProperties& record) const
{
    gpropBistate& set = record.bistate;
    set.reg.merge(register_);
    for (int i = 0; i < 5; ++i) {
        set.states[i].enable.merge(records_[i] ? 1 : 0);
        if (records_[i])
            records_[i]->mergeInto(set.states[i].values);
    }
}

ggraphObject* gindBistate::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindBistate(*this, dx, dy, screen, linkReferences);
}

int gindBistate::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = rebindByTag(change, log, register_, 0, [this](gregister& reg) {
        register_ = &reg;
        linkRegister(register_);
        return true;
    });
    return count + replaceInRecords(change);
}
