#pragma once

#include "screens/model/gindShapeIndicator.h"

// BISTATE_IND: a shape in one of five looks (masked, error, blink, on,
// off) after a register of any class.
class gindBistate final : public gindShapeIndicator {
public:
    gindBistate(fscreen* screen, std::unique_ptr<gshape> shape) noexcept : gindShapeIndicator(screen, std::move(shape))
    {
    }
    gindBistate(const gindBistate& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);

    gregister* getRegister() const noexcept { return register_; }
    const gindObjectInfo* record(int state) const noexcept;

    int headerToken() const override;
    gregister* boundRegister() const override { return register_; }
    const gindObjectInfo* drawRecord() const override;
    const gindObjectInfo* hitRecord() const override;
    gindObjectInfo* textRecord() const override;
    void forEachRecord(const std::function<void(gindObjectInfo&)>& f) const override;
    int descriptionId() const override { return 20004; }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;
    int beginCreate(int32_t x, int32_t y) override;
    int getPropertyMask() const override { return maskBistate; }
    void setProperties(const gpropBistate& set, int id, int stateId) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    int previewedState() const;

    gregister* register_ = nullptr;
    std::unique_ptr<gindObjectInfo> records_[5];
};
