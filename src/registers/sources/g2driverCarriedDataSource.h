#pragma once

#include "registers/sources/g2driverDataSource.h"
#include "registers/sources/gcarriedLines.h"

// A data-object source of a kind this editor does not read yet: its lines
// are kept as read and written back unchanged. It refers to nothing.
class g2driverCarriedDataSource : public g2driverDataSource {
public:
    g2driverCarriedDataSource(int keyword, int paneType) noexcept
        : keyword_(keyword), paneType_(paneType)
    {
    }

    bool acceptsValueKind(int32_t kind) const override;
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return paneType_; }
    const gstr& getKindName() const override;
    gstr describe() const override { return gstr(""); }

    void writeFields(CObjectFile& file, int indent) const override { lines_.write(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;

protected:
    int kindKeyword() const override { return keyword_; }

private:
    g2driverCarriedDataSource(const g2driverCarriedDataSource& other) = default;

    int keyword_;
    int paneType_;
    gcarriedLines lines_;
};
