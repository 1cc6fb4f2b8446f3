#pragma once

#include "registers/sources/ui/CBitSectionMasksPane.h"
#include "registers/sources/ui/CLegacySourcePane.h"

#include <memory>

class gsourceLegacyBitSection;

// Bit Section (template 514): one section of a legacy bit collection, its
// typed location and its masks. Made with a template (whose values fill
// the controls) and a target (which OK changes): New passes neither,
// Duplicate the template only, Edit both. OK makes the target when there
// is none; the caller takes it.
class CBitSectionPage final : public CLegacyDataTypeSourcePane {
public:
    static constexpr int masksPlaceholderId = 1844;

    CBitSectionPage(const gsourceLegacyBitSection* fillFrom, gsourceLegacyBitSection* target, QWidget* parent);
    ~CBitSectionPage() override;

    // The edited target, or the section OK made.
    gsourceLegacyBitSection* result() const { return target_; }
    std::unique_ptr<gsourceLegacyBitSection> takeMade() { return std::move(made_); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    const gsourceLegacyBitSection* fillFrom_;
    gsourceLegacyBitSection* target_;
    std::unique_ptr<gsourceLegacyBitSection> made_;
    CBitSectionMasksPane masks_;
};
