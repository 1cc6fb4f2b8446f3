#pragma once

#include "g2driver/editor/CResponseElementDialogBase.h"

#include <cstdint>

// Edit Command Element Response Element (752): the response repeats what
// the command element of this number sent.
class CEditCommandElementResponseElementDialog : public CResponseElementDialogBase {
public:
    static constexpr int templateId = 752;
    static constexpr int numberId = 1875;

    CEditCommandElementResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                             g2driverResponseElement* target, QWidget* parent);

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    g2driverResponseElement* makeElement() const override;
    void storeFields(g2driverResponseElement& element) override;

private:
    int32_t number_ = 1;
};
