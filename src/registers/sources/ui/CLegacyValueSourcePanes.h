#pragma once

#include "foundation/gsortedList.h"
#include "registers/sources/ui/CLegacySourcePane.h"

class gregisterSource;

// The panes of the three legacy kinds that read a value straight out of a
// data buffer. Each kind's page-creation function (createFor) gives its
// pane filled from a source of its kind, or empty.

// Direct (template 525): the typed location and the value map.
class CLegacyDirectSourcePane final : public CLegacyDataTypeSourcePane {
public:
    static constexpr int valueMapId = 1993;

    CLegacyDirectSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToDigital(gdigitalSupplement& supplement) override;

private:
    gsortedList<gvalueMapEntry> valueMap_;
};

// Level (template 564): the typed location, a value factor and offset; the
// register then has one element.
class CLegacyLevelSourcePane final : public CLegacyDataTypeSourcePane {
public:
    static constexpr int factorId = 1259;
    static constexpr int valueOffsetId = 1498;

    CLegacyLevelSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToAnalog(ganalogSupplement& supplement) override;
    bool needsOwnElementCount() const override { return false; }

private:
    double factor_ = 1;
    double valueOffset_ = 0;
};

// Literal (template 565): the untyped location alone.
class CLegacyLiteralSourcePane final : public CLegacySourcePane {
public:
    CLegacyLiteralSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToString(gstringSupplement& supplement) override;
};
