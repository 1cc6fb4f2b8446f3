#pragma once

#include "formats/gintegerInputFormat.h"
#include "formats/gnumberInputFormat.h"
#include "formats/gonOffPatterns.h"
#include "formats/gstringMatch.h"
#include "formats/ui/CIntegerInputFormatPage.h"
#include "formats/ui/CNumberInputFormatPage.h"
#include "formats/ui/CStringMatchPage.h"
#include "g2driver/editor/CResponseElementDialogBase.h"
#include "g2driver/editor/CValuePatternsPage.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverErrorCodeElement.h"
#include "g2driver/model/g2driverParameterResponseElement.h"
#include "g2driver/model/gvalueStringMap.h"
#include "registers/sources/ui/COnOffPatternPane.h"

#include <cstdint>

// The response elements that compare what they decode with a parameter, or
// store it as an error code: a choice of the parameter (1704) or error code
// (1943) of the element's kind, and under "Data Format" the page of the
// element's decoding record. Without anything of that kind to choose the
// dialog says so and ends cancelled.
class CBoundResponseElementDialog : public CResponseElementDialogBase {
public:
    static constexpr int parameterId = 1704;
    static constexpr int errorCodeId = 1943;

protected:
    CBoundResponseElementDialog(int templateId, int newCaptionId, int choiceId, int emptyMessage,
                                responseElementHost& page, const g2driverResponseElement* source,
                                g2driverResponseElement* target, QWidget* parent);

    bool OnInitDialog() override;
    // Fills the choice with the source's binding selected; false when empty.
    virtual bool fillChoice() = 0;
    // The page (and any own field) once the choice is there.
    virtual void createPage() = 0;
    // The object of the chosen entry.
    void* chosen() const;
    // The label and the choice at the top; the y below them.
    int addChoice(const char* label);
    // The "Data Format" group label and the page's placeholder at y dialog
    // units, and the buttons.
    void addDataFormat(int y);

private:
    int choiceId_;
    int emptyMessage_;
};

class CParameterResponseElementDialog : public CBoundResponseElementDialog {
protected:
    CParameterResponseElementDialog(int templateId, int newCaptionId, int32_t kind, int emptyMessage,
                                    responseElementHost& page, const g2driverResponseElement* source,
                                    g2driverResponseElement* target, QWidget* parent);

    bool fillChoice() override;
    void bind(g2driverResponseElement& element) const;

private:
    int32_t kind_;
};

class CErrorCodeResponseElementDialog : public CBoundResponseElementDialog {
protected:
    CErrorCodeResponseElementDialog(int templateId, int newCaptionId, int32_t kind, int emptyMessage,
                                    responseElementHost& page, const g2driverResponseElement* source,
                                    g2driverResponseElement* target, QWidget* parent);

    bool fillChoice() override;
    void bind(g2driverResponseElement& element) const;

private:
    int32_t kind_;
};

// One member of the family: its element, its page and the record the page
// edits, reached through the element by Access::of.
template <class Base, class Element, class Page, class Record, class Access>
class CResponseRecordDialog : public Base {
public:
    Page& recordPage() { return page_; }

protected:
    using Base::Base;

    void createPage() override
    {
        const auto* element = this->template sourceAs<Element>();
        page_.create(*this, CResponseElementDialogBase::pagePlaceholderId,
                     element ? &Access::of(*element) : nullptr, 0);
    }
    bool checkFields() override { return applyFresh(page_, record_); }
    g2driverResponseElement* makeElement() const override { return new Element; }
    void storeFields(g2driverResponseElement& element) override
    {
        this->bind(element);
        Access::of(static_cast<Element&>(element)) = record_;
    }

private:
    Page page_;
    Record record_;
};

struct patternsOf {
    template <class E>
    static auto& of(E& element)
    {
        return element.patterns();
    }
};
struct formatOf {
    template <class E>
    static auto& of(E& element)
    {
        return element.format();
    }
};
struct stringsOf {
    template <class E>
    static auto& of(E& element)
    {
        return element.strings();
    }
};
struct matchOf {
    template <class E>
    static auto& of(E& element)
    {
        return element.match();
    }
};

// Edit Bistate Parameter Value Element (749).
class CEditBistateResponseElementDialog
    : public CResponseRecordDialog<CParameterResponseElementDialog, g2driverBistateResponseElement,
                                   COnOffPatternPane, gonOffPatterns, patternsOf> {
public:
    static constexpr int templateId = 749;
    CEditBistateResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                      g2driverResponseElement* target, QWidget* parent);
};

// Edit Digital Parameter Element (746): the number read.
class CEditDigitalNumberResponseElementDialog
    : public CResponseRecordDialog<CParameterResponseElementDialog, g2driverDigitalNumberResponseElement,
                                   CIntegerInputFormatPage, gintegerInputFormat, formatOf> {
public:
    static constexpr int templateId = 746;
    CEditDigitalNumberResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                            g2driverResponseElement* target, QWidget* parent);
};

// Edit Digital Parameter Element (747): the pattern of each value.
class CEditDigitalStringsResponseElementDialog
    : public CResponseRecordDialog<CParameterResponseElementDialog, g2driverDigitalStringsResponseElement,
                                   CValuePatternsPage, gvalueStringMap, stringsOf> {
public:
    static constexpr int templateId = 747;
    CEditDigitalStringsResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                             g2driverResponseElement* target, QWidget* parent);
};

// Edit String Parameter Value Element (748).
class CEditStringResponseElementDialog
    : public CResponseRecordDialog<CParameterResponseElementDialog, g2driverStringResponseElement, CStringMatchPage,
                                   gstringMatch, matchOf> {
public:
    static constexpr int templateId = 748;
    CEditStringResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                     g2driverResponseElement* target, QWidget* parent);
};

// Edit Numerical Error Code Element (778).
class CEditNumericalErrorCodeElementDialog
    : public CResponseRecordDialog<CErrorCodeResponseElementDialog, g2driverNumericalErrorCodeElement,
                                   CIntegerInputFormatPage, gintegerInputFormat, formatOf> {
public:
    static constexpr int templateId = 778;
    CEditNumericalErrorCodeElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                         g2driverResponseElement* target, QWidget* parent);
};

// Edit String Error Code Element (779).
class CEditStringErrorCodeElementDialog
    : public CResponseRecordDialog<CErrorCodeResponseElementDialog, g2driverStringErrorCodeElement,
                                   CStringMatchPage, gstringMatch, matchOf> {
public:
    static constexpr int templateId = 779;
    CEditStringErrorCodeElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                      g2driverResponseElement* target, QWidget* parent);
};

// Edit Analog Parameter Value Element (745): the number read, scaled by
// FACTOR and OFFSET, which are checked before the page.
class CEditAnalogResponseElementDialog
    : public CResponseRecordDialog<CParameterResponseElementDialog, g2driverAnalogResponseElement,
                                   CNumberInputFormatPage, gnumberInputFormat, formatOf> {
public:
    static constexpr int templateId = 745;
    static constexpr int factorId = 1259;
    static constexpr int offsetId = 1349;

    CEditAnalogResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                     g2driverResponseElement* target, QWidget* parent);

protected:
    void createPage() override;
    bool checkFields() override;
    void storeFields(g2driverResponseElement& element) override;

private:
    double factor_ = 1;
    double offset_ = 0;
};
