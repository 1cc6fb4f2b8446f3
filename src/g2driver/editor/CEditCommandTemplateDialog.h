#pragma once

#include "foundation/jhashTable.h"
#include "g2driver/editor/CCommandDialogBase.h"
#include "g2driver/model/g2driverResponseDataName.h"

class CNonNegativeSpinEdit;
class CRealSpinEdit;
class CResponseElementsPage;
class QListWidget;
class QTabBar;
class g2driverCommandElement;
class g2driverCommandTemplate;

// Creates, duplicates or edits a command template of the driver open in the
// Edit Device Driver dialog: its parameters, its command elements, whether
// it expects a response (then its default timeout, buffer size, valid and
// error response elements and the defaults of the error codes; else the
// delay before the next command). It works on copies until OK.
class CEditCommandTemplateDialog : public CCommandDialogBase {
public:
    static constexpr int templateId = 719;
    static constexpr int expectsResponseId = 1776;
    static constexpr int noResponseId = 1777;
    static constexpr int timeoutId = 1479;
    static constexpr int timeoutLabelId = 1787;
    static constexpr int timeoutUnitId = 1788;
    static constexpr int bufferSizeId = 1480;
    static constexpr int bufferSizeLabelId = 1789;
    static constexpr int delayId = 1201;
    static constexpr int delayLabelId = 1779;
    static constexpr int delayUnitId = 1780;
    static constexpr int elementListId = 1781;
    static constexpr int editElementId = 1782;
    static constexpr int deleteElementId = 1783;
    static constexpr int duplicateElementId = 1784;
    static constexpr int newElementId = 1785;
    static constexpr int tabId = 1673;
    static constexpr int placeholderId = 1674;
    static constexpr int errorHandlingId = 1946;

    CEditCommandTemplateDialog(CEditG2DeviceDriverDialog& owner, g2driverCommandTemplate* source,
                               g2driverCommandTemplate* target, QWidget* parent);
    ~CEditCommandTemplateDialog() override;

    // After OK: the template made or edited, in the owner's working table.
    g2driverCommandTemplate* commandTemplate() const { return target_; }
    // Whether the source is the edited template itself.
    bool isSameObject() const { return sameObject_; }

    // 0 the valid response, 1 the error response.
    CResponseElementsPage& responsePage(int kind) const { return *pages_[kind]; }
    // The response data names that the valid response's DATA elements
    // declare.
    g2driverResponseDataNameTable& responseDataNames() { return responseDataNames_; }
    // The defaults of the error codes (gnamedValue entries).
    jhashNamedObjectTable& errorCodeDefaults() { return defaults_; }
    // The error page tells whether it holds elements.
    void enableErrorHandling(bool enable);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void buildControls();
    void fillFromSource();
    void showPage(int index);
    // After a click on either radio button, and once at opening.
    void applyResponseState();
    bool readTimes(uint32_t& time, int32_t& bufferSize);
    void writeBack(uint32_t time, int32_t bufferSize);

    QListWidget& elements() const;
    g2driverCommandElement* selectedElement() const;
    void enableElementButtons(bool enable);
    void runElementDialog(bool withSource, bool edit);
    void deleteElement();

    g2driverCommandTemplate* source_;
    g2driverCommandTemplate* target_;
    bool sameObject_ = false;
    bool responseExpected_ = true;
    CRealSpinEdit* timeout_ = nullptr;
    CNonNegativeSpinEdit* bufferSize_ = nullptr;
    CRealSpinEdit* delay_ = nullptr;
    QTabBar* tabs_ = nullptr;
    // The name tables outlive the pages and elements that point at them.
    g2driverResponseDataNameTable responseDataNames_{5};
    jhashNamedObjectTable defaults_;
    CResponseElementsPage* pages_[2] = {nullptr, nullptr};
};
