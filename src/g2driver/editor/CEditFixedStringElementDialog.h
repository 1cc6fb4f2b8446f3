#pragma once

#include "foundation/gstr.h"
#include "g2driver/editor/CCommandElementDialogBase.h"

class CEscapedStringEdit;

// Edit Fixed String Element (730): the bytes, shown escaped or in
// hexadecimal after the driver editor's shared "HexMode", which the dialog
// writes back when it closes.
class CEditFixedStringElementDialog : public CCommandElementDialogBase {
public:
    static constexpr int templateId = 730;
    static constexpr int stringId = 1465;
    static constexpr int showAsTextId = 1435;
    static constexpr int showAsHexId = 1434;

    CEditFixedStringElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                  g2driverCommandElement* edited, QWidget* parent);
    ~CEditFixedStringElementDialog() override;

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    void switchMode();
    void showMode();

    CEscapedStringEdit* edit_;
    int hexMode_ = 0;
    bool initialized_ = false;
    gstr bytes_;
};
