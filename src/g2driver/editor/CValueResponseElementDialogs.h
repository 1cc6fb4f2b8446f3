#pragma once

#include "formats/gintegerInputFormat.h"
#include "formats/gstringMatch.h"
#include "formats/ui/CIntegerInputFormatPage.h"
#include "formats/ui/CStringMatchPage.h"
#include "g2driver/editor/CNamedResponseElementDialog.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverValueResponseElement.h"

class g2driverResponseValue;

// The value elements: a named value of the list, read as a number (754)
// or as a text (755), which conditions, repeats and lengths of later
// elements refer to. The name is kept unique in the list's values.
class CValueResponseElementDialog : public CNamedResponseElementDialog {
protected:
    CValueResponseElementDialog(int templateId, int newCaptionId, responseElementHost& page,
                                const g2driverResponseElement* source, g2driverResponseElement* target,
                                QWidget* parent);

    bool OnInitDialog() override;
    // The page under the tag, with the source's record.
    virtual void createPage() = 0;
    virtual bool applyPage() = 0;
    bool checkFields() override;
    // The value named in the field into the element.
    void storeValue(g2driverResponseElement& element);

private:
    g2driverResponseValue* newValue_ = nullptr;
};

// Edit Numerical Value Element (754).
class CEditNumericalValueElementDialog : public CValueResponseElementDialog {
public:
    static constexpr int templateId = 754;

    CEditNumericalValueElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                     g2driverResponseElement* target, QWidget* parent);

protected:
    void createPage() override;
    bool applyPage() override { return applyFresh(page_, format_); }
    g2driverResponseElement* makeElement() const override;
    void storeFields(g2driverResponseElement& element) override;

private:
    CIntegerInputFormatPage page_;
    gintegerInputFormat format_;
};

// Edit String Value Element (755).
class CEditStringValueElementDialog : public CValueResponseElementDialog {
public:
    static constexpr int templateId = 755;

    CEditStringValueElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                  g2driverResponseElement* target, QWidget* parent);

protected:
    void createPage() override;
    bool applyPage() override { return applyFresh(page_, match_); }
    g2driverResponseElement* makeElement() const override;
    void storeFields(g2driverResponseElement& element) override;

private:
    CStringMatchPage page_;
    gstringMatch match_;
};
