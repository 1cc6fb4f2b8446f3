#include "g2driver/editor/CEditChecksumCommandElementDialog.h"

#include "g2driver/editor/elementDialogHosts.h"

CEditChecksumCommandElementDialog::CEditChecksumCommandElementDialog(commandElementHost& host,
                                                                     const g2driverCommandElement* source,
                                                                     g2driverCommandElement* edited,
                                                                     QWidget* parent)
    : CChecksumElementDialog(templateId, host, source, edited, parent)
{
    addOkCancel();
}

gprocessorCall::programTable* CEditChecksumCommandElementDialog::programs() const { return host().driverPrograms(); }

void CEditChecksumCommandElementDialog::createPage(const gintegerOutputFormat* format)
{
    page_.create(*this, pagePlaceholderId, format);
}

g2driverCommandElement* CEditChecksumCommandElementDialog::makeElement() const
{
    return new g2driverChecksumCommandElement;
}

void CEditChecksumCommandElementDialog::storeFields(g2driverCommandElement& element)
{
    storeChecksum(static_cast<g2driverChecksumCommandElement&>(element));
}
