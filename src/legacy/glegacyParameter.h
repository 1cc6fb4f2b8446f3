#pragma once

#include "store/gtitledObject.h"
#include "store/gusedByList.h"

// A legacy parameter (object type PARAMETER): a named string with a default
// value, which register sources refer to.
class glegacyParameter : public gtitledObject {
public:
    glegacyParameter() = default;

    const gobjectType* getObjectType() const override;

    gusedByList& usedBy() noexcept { return usedBy_; }
    // Any bytes; not set until read or edited.
    const gstr& getDefaultValue() const noexcept { return defaultValue_; }
    void setDefaultValue(const gstrSlice& value) { defaultValue_.assign(value.isNull() ? gstrSlice::empty : value); }

    // TITLE, then DEFAULT when the default value is set.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // A default value not read becomes the empty string.
    void afterLoad() override;

private:
    gusedByList usedBy_;
    gstr defaultValue_;
};
