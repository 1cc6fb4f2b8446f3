#include "g2driver/editor/CEditChecksumResponseElementDialog.h"

#include "g2driver/editor/elementDialogHosts.h"

CEditChecksumResponseElementDialog::CEditChecksumResponseElementDialog(responseElementHost& page,
                                                                       const g2driverResponseElement* source,
                                                                       g2driverResponseElement* target,
                                                                       QWidget* parent)
    : CChecksumElementDialog(templateId, page, source, target, parent)
{
    addButtons();
}

gprocessorCall::programTable* CEditChecksumResponseElementDialog::programs() const
{
    return page().templateDialog().driverPrograms();
}

void CEditChecksumResponseElementDialog::createPage(const gintegerInputFormat* format)
{
    page_.create(*this, pagePlaceholderId, format, 0);
}

g2driverResponseElement* CEditChecksumResponseElementDialog::makeElement() const
{
    return new g2driverChecksumResponseElement;
}

void CEditChecksumResponseElementDialog::storeFields(g2driverResponseElement& element)
{
    storeChecksum(static_cast<g2driverChecksumResponseElement&>(element));
}
