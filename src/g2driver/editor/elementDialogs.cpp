#include "g2driver/editor/elementDialogs.h"

#include "g2driver/editor/CEditBitFieldElementDialog.h"
#include "g2driver/editor/CEditChecksumCommandElementDialog.h"
#include "g2driver/editor/CEditChecksumResponseElementDialog.h"
#include "g2driver/editor/CEditCommandElementResponseElementDialog.h"
#include "g2driver/editor/CEditDataCommandElementDialog.h"
#include "g2driver/editor/CEditDataResponseElementDialog.h"
#include "g2driver/editor/CEditDelayElementDialog.h"
#include "g2driver/editor/CEditFixedStringElementDialog.h"
#include "g2driver/editor/CEditLengthElementDialog.h"
#include "g2driver/editor/CEditRegexpResponseElementDialog.h"
#include "g2driver/editor/CParameterCommandElementDialogs.h"
#include "g2driver/editor/CParameterResponseElementDialogs.h"
#include "g2driver/editor/CSelectResponseElementTypeDialog.h"
#include "g2driver/editor/CValueResponseElementDialogs.h"
#include "g2driver/model/g2driverCommandElement.h"
#include "g2driver/model/g2driverResponseElement.h"


namespace {

template <class D, class H, class S, class T>
auto runElement(H& host, const S* source, T* target, QWidget* parent) -> T*
{
    D dialog(host, source, target, parent);
    return dialog.DoModal() == IDOK ? dialog.element() : nullptr;
}

} // namespace

g2driverCommandElement* openCommandElementDialog(commandElementHost& host, int typeId,
                                                 const g2driverCommandElement* source,
                                                 g2driverCommandElement* target, QWidget* parent)
{
    namespace type = g2commandElementType;
    switch (typeId) {
    case type::fixedString:
        return runElement<CEditFixedStringElementDialog>(host, source, target, parent);
    case type::delay:
        return runElement<CEditDelayElementDialog>(host, source, target, parent);
    case type::bistate:
        return runElement<CEditBistateCommandElementDialog>(host, source, target, parent);
    case type::digitalNumber:
        return runElement<CEditDigitalNumberCommandElementDialog>(host, source, target, parent);
    case type::digitalStrings:
        return runElement<CEditDigitalStringsCommandElementDialog>(host, source, target, parent);
    case type::analog:
        return runElement<CEditAnalogCommandElementDialog>(host, source, target, parent);
    case type::string:
        return runElement<CEditStringCommandElementDialog>(host, source, target, parent);
    case type::bitField:
        return runElement<CEditBitFieldElementDialog>(host, source, target, parent);
    case type::length:
        return runElement<CEditLengthElementDialog>(host, source, target, parent);
    case type::checksum:
        return runElement<CEditChecksumCommandElementDialog>(host, source, target, parent);
    case type::data:
        return runElement<CEditDataCommandElementDialog>(host, source, target, parent);
    default:
        return nullptr;
    }
}

int chooseResponseElementType(bool errorList, QWidget* parent)
{
    CSelectResponseElementTypeDialog dialog(errorList, parent);
    return dialog.DoModal() == IDOK ? dialog.choice() : -1;
}

g2driverResponseElement* openResponseElementDialog(responseElementHost& page, int typeId,
                                                   const g2driverResponseElement* source,
                                                   g2driverResponseElement* target, QWidget* parent)
{
    namespace type = g2responseElementType;
    switch (typeId) {
    case type::regexp:
        return runElement<CEditRegexpResponseElementDialog>(page, source, target, parent);
    case type::commandElement:
        return runElement<CEditCommandElementResponseElementDialog>(page, source, target, parent);
    case type::bistate:
        return runElement<CEditBistateResponseElementDialog>(page, source, target, parent);
    case type::digitalNumber:
        return runElement<CEditDigitalNumberResponseElementDialog>(page, source, target, parent);
    case type::digitalStrings:
        return runElement<CEditDigitalStringsResponseElementDialog>(page, source, target, parent);
    case type::analog:
        return runElement<CEditAnalogResponseElementDialog>(page, source, target, parent);
    case type::string:
        return runElement<CEditStringResponseElementDialog>(page, source, target, parent);
    case type::numericalValue:
        return runElement<CEditNumericalValueElementDialog>(page, source, target, parent);
    case type::stringValue:
        return runElement<CEditStringValueElementDialog>(page, source, target, parent);
    case type::checksum:
        return runElement<CEditChecksumResponseElementDialog>(page, source, target, parent);
    case type::data:
        return runElement<CEditDataResponseElementDialog>(page, source, target, parent);
    case type::numericalErrorCode:
        return runElement<CEditNumericalErrorCodeElementDialog>(page, source, target, parent);
    case type::stringErrorCode:
        return runElement<CEditStringErrorCodeElementDialog>(page, source, target, parent);
    default:
        return nullptr;
    }
}
