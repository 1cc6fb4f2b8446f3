#pragma once

#include "formats/gintegerOutputFormat.h"
#include "formats/gnumberOutputFormat.h"
#include "formats/gonOffStrings.h"
#include "formats/ui/CIntegerOutputFormatPage.h"
#include "formats/ui/CNumberOutputFormatPage.h"
#include "formats/ui/COnOffStringsDialog.h"
#include "g2driver/editor/CCommandElementDialogBase.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/editor/CStringOutputFormatPage.h"
#include "g2driver/editor/CValueStringsPage.h"
#include "g2driver/model/gstringOutputFormat.h"
#include "g2driver/model/gvalueStringTable.h"

#include <cstdint>

class g2driverParameter;

// The dialogs of the elements that send one parameter's value: the
// parameter (combo 1704, the command dialog's parameters of the element's
// kind) and a page over placeholder 1843 with the way the value is sent.
// Without a parameter of that kind the dialog says so and ends cancelled.
class CParameterCommandElementDialog : public CCommandElementDialogBase {
protected:
    CParameterCommandElementDialog(int templateId, int newCaptionId, int32_t kind, int noParameterMessage,
                                   commandElementHost& host, const g2driverCommandElement* source,
                                   g2driverCommandElement* edited, QWidget* parent);

    bool OnInitDialog() override;
    // The label and combo of the parameter at the top.
    void addParameterCombo();
    // The page (and any own field) once the parameter is there.
    virtual void createPage() = 0;
    // Binds the element to the chosen parameter.
    void storeParameter(g2driverCommandElement& element) const;
    g2driverParameter* sourceParameter() const;

private:
    int32_t kind_;
    int noParameterMessage_;
};

// Edit Analog Parameter Value Element (722): FACTOR, OFFSET and the number
// output format.
class CEditAnalogCommandElementDialog : public CParameterCommandElementDialog {
public:
    static constexpr int templateId = 722;
    static constexpr int factorId = 1259;
    static constexpr int offsetId = 1349;

    CEditAnalogCommandElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                    g2driverCommandElement* edited, QWidget* parent);

    CNumberOutputFormatPage& page() { return page_; }

protected:
    void createPage() override;
    bool checkFields() override;
    bool applyPage() override { return applyFresh(page_, format_); }
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    CNumberOutputFormatPage page_;
    gnumberOutputFormat format_;
    double factor_ = 1;
    double offset_ = 0;
};

// Edit Digital Parameter Element (723): the integer output format.
class CEditDigitalNumberCommandElementDialog : public CParameterCommandElementDialog {
public:
    static constexpr int templateId = 723;

    CEditDigitalNumberCommandElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                           g2driverCommandElement* edited, QWidget* parent);

    CIntegerOutputFormatPage& page() { return page_; }

protected:
    void createPage() override;
    bool applyPage() override { return applyFresh(page_, format_); }
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    CIntegerOutputFormatPage page_;
    gintegerOutputFormat format_;
};

// Edit String Parameter Value Element (724): the string output format.
class CEditStringCommandElementDialog : public CParameterCommandElementDialog {
public:
    static constexpr int templateId = 724;

    CEditStringCommandElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                    g2driverCommandElement* edited, QWidget* parent);

    CStringOutputFormatPage& page() { return page_; }

protected:
    void createPage() override;
    bool applyPage() override { return applyFresh(page_, format_); }
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    CStringOutputFormatPage page_;
    gstringOutputFormat format_;
};

// Edit Bistate Parameter Value Element (725): the strings sent for on and
// off.
class CEditBistateCommandElementDialog : public CParameterCommandElementDialog {
public:
    static constexpr int templateId = 725;

    CEditBistateCommandElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                     g2driverCommandElement* edited, QWidget* parent);

    COnOffStringsDialog& page() { return page_; }

protected:
    void createPage() override;
    bool applyPage() override { return applyFresh(page_, strings_); }
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    COnOffStringsDialog page_;
    gonOffStrings strings_;
};

// Edit Digital Parameter Element (726): the strings sent for values, in the
// "&Strings to send for values:" form of the value strings page.
class CEditDigitalStringsCommandElementDialog : public CParameterCommandElementDialog {
public:
    static constexpr int templateId = 726;

    CEditDigitalStringsCommandElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                            g2driverCommandElement* edited, QWidget* parent);

    CValueStringsPage& page() { return page_; }

protected:
    void createPage() override;
    bool applyPage() override { return applyFresh(page_, strings_); }
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    CValueStringsPage page_;
    gvalueStringTable strings_;
};
