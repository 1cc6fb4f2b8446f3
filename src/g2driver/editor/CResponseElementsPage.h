#pragma once

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/model/g2driverResponseList.h"
#include "platform/CDialog.h"

class CEditCommandTemplateDialog;
class QListWidget;
class g2driverCommandTemplate;
class g2driverResponseElement;

// One response page of the Edit Command Template dialog: the working copies
// of the template's valid-response (kind 0) or error-response (kind 1)
// elements with the response values they declare, edited with the response
// element dialogs. The page's elements belong to its working list (which
// gives them its values), but the page keeps their order and owns them
// until it hands them over to the template.
class CResponseElementsPage : public CDialog, public responseElementHost {
public:
    static constexpr int templateId = 720;
    static constexpr int labelId = 1150;
    static constexpr int listId = 1767;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;

    CResponseElementsPage(CEditCommandTemplateDialog& owner, int kind);
    ~CResponseElementsPage() override;

    CEditCommandTemplateDialog& owner() const { return owner_; }
    // 0 valid response, 1 error response.
    int kind() const { return kind_; }
    // The response values that this list's value elements declare.
    g2driverResponseValueTable& responseValues() override { return working_.values(); }
    commandElementHost& templateDialog() override;
    g2driverResponseDataNameTable& responseDataNames() override;
    g2driverErrorCodeTable& errorCodes() override;
    bool isErrorList() const override { return kind_ == 1; }
    // The list the page's elements are bound to.
    g2driverResponseList& workingList() { return working_; }
    int elementCount() const;
    g2driverResponseElement* elementAt(int index) const;

    // A child of the owner at the top-left corner of its placeholder 1674,
    // after it in the tab order.
    void create(int placeholderId);
    // Working copies of the template's list of this page's kind.
    void fill(const g2driverCommandTemplate& source);
    // The template dialog's response choice changed. Answers false when
    // the valid page refuses to drop its response (its data is used, or the
    // user would not delete the elements); the error page never refuses.
    bool switchResponse(bool expected, bool errorListNotEmpty);
    // Gives the template the page's elements in order and its values.
    void handOver(g2driverCommandTemplate& target);

    void accept() override;
    void reject() override;

private:
    QListWidget& list() const;
    g2driverResponseElement* selectedElement() const;
    void enableSelectionButtons(bool enable);
    // Adds the element after the selected line (at the end without one).
    int addElement(g2driverResponseElement* element);
    void runElementDialog(bool withSource, bool edit);
    void deleteElement();
    void deleteAllElements();

    CEditCommandTemplateDialog& owner_;
    int kind_;
    g2driverResponseList working_;
};
