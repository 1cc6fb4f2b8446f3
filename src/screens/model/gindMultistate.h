#pragma once

#include "screens/model/gindShapeIndicator.h"

#include <map>

class gdigitalSupplement;

// MULTISTATE_IND: a shape in one look per value of a digital register (the
// numbered STATE blocks) besides its masked, error and blink looks.
class gindMultistate final : public gindShapeIndicator {
public:
    gindMultistate(fscreen* screen, std::unique_ptr<gshape> shape) noexcept
        : gindShapeIndicator(screen, std::move(shape))
    {
    }
    gindMultistate(const gindMultistate& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);

    gdigitalSupplement* getRegister() const noexcept { return register_; }
    const gindObjectInfo* fixedRecord(int state) const noexcept;
    const gindObjectInfo* numberedRecord(uint32_t number) const;
    size_t numberedCount() const noexcept { return numbered_.size(); }

    int headerToken() const override;
    gregister* boundRegister() const override;
    const gindObjectInfo* drawRecord() const override { return choose(use::draw); }
    const gindObjectInfo* hitRecord() const override { return choose(use::hit); }
    gindObjectInfo* textRecord() const override { return const_cast<gindObjectInfo*>(choose(use::text)); }
    void forEachRecord(const std::function<void(gindObjectInfo&)>& f) const override;
    int descriptionId() const override { return 20129; }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;
    int beginCreate(int32_t x, int32_t y) override;
    int getPropertyMask() const override { return maskMultistate; }
    void setProperties(const gpropMultistate& set, int id, int stateId, uint32_t stateNumber) override;
    void collectProperties(gdrawingProperties& record) const override;
    void collectStateNames(gstateNameMap& names, int& started) const override;
    void addStateNumbers(gpropMultistate& set) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    enum class use { draw, hit, text };
    const gindObjectInfo* choose(use purpose) const;
    gloadStatus loadNumbered(const gstr& value);
    void setRegister(gdigitalSupplement* part);

    gdigitalSupplement* register_ = nullptr;
    std::unique_ptr<gindObjectInfo> fixed_[3];
    std::map<uint32_t, std::unique_ptr<gindObjectInfo>> numbered_;
};
