#pragma once

#include "g2driver/model/g2driverParameterValue.h"
#include "registers/sources/gbitSectionMasks.h"
#include "registers/sources/ui/CBitSectionMasksPane.h"
#include "registers/sources/ui/CDataObjectSourcePane.h"

#include <memory>

class g2driverDataObject;
class gdevice;
class gsourceDataObjectBitSection;

// One section of a G2D bit collection while its pane is open: the device,
// the data object with its parameter values, and the masks. The source's
// sections belong to their collection; these become sections when the
// pane's OK makes the new source.
struct dataObjectBitSection {
    dataObjectBitSection() = default;
    explicit dataObjectBitSection(const gsourceDataObjectBitSection& section);
    dataObjectBitSection(const dataObjectBitSection&) = delete;
    dataObjectBitSection& operator=(const dataObjectBitSection&) = delete;

    // "<port> - <device> - <object and values>", as the source shows it.
    gstr describe() const;
    void applyTo(gsourceDataObjectBitSection& section) const;

    gdevice* device = nullptr;
    g2driverDataObject* object = nullptr;
    g2driverParameterValueTable values{5};
    gbitSectionMasks masks;
};

// Bit Section (template 839): one section of a G2D bit collection, a
// digital data object of a G2 device and the section's masks. Made with a
// template (whose values fill the controls) and a target (which OK
// changes): New passes neither, Duplicate the template only, Edit both. OK
// makes the target when there is none; the caller takes it.
class CDataObjectBitSectionPage final : public CDataObjectSourcePane {
public:
    static constexpr int masksPlaceholderId = 1844;

    CDataObjectBitSectionPage(const dataObjectBitSection* fillFrom, dataObjectBitSection* target, QWidget* parent);
    ~CDataObjectBitSectionPage() override;

    dataObjectBitSection* result() const { return target_; }
    std::unique_ptr<dataObjectBitSection> takeMade() { return std::move(made_); }
    CBitSectionMasksPane& masksPane() { return masks_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool acceptsValueKind(int32_t kind) const override { return kind == 2; }
    int noDataObjectsMessage() const override { return 10690; }
    void addOwnControls() override;
    void placeLowerPane(int extra) override { masks_.moveBy(extra); }

private:
    const dataObjectBitSection* fillFrom_;
    dataObjectBitSection* target_;
    std::unique_ptr<dataObjectBitSection> made_;
    CBitSectionMasksPane masks_;
};
