#include "registers/sources/ui/CDataObjectBitSectionPage.h"

#include "platform/textCodec.h"
#include "ports/gdevice.h"
#include "ports/gserialPort.h"
#include "registers/sources/gdataObjectRef.h"
#include "registers/sources/gsourceDataObjectBitCollection.h"

#include <QLabel>

namespace {

constexpr int newSectionTitle = 10660;
constexpr int locationWidth = 300;

} // namespace

dataObjectBitSection::dataObjectBitSection(const gsourceDataObjectBitSection& section)
    : device(section.part().getDevice()), object(section.part().getDataObject()), masks(section.masks())
{
    g2driverParameterValue::copyAll(section.part().reference().values(), values);
}

gstr dataObjectBitSection::describe() const
{
    gstr text;
    if (!device)
        return text;
    if (gserialPort* port = device->getPort())
        text.assign(port->getTitle(true));
    text.append(" - ");
    text.append(device->getDisplayName(true));
    text.append(" - ");
    gdataObjectRef reference(-1, false);
    reference.bindDriver(device->getDriver());
    reference.setDataObject(object);
    reference.copyValues(values);
    text.append(reference.describe());
    return text;
}

void dataObjectBitSection::applyTo(gsourceDataObjectBitSection& section) const
{
    section.part().set(device, object, values);
    section.masks() = masks;
}

CDataObjectBitSectionPage::CDataObjectBitSectionPage(const dataObjectBitSection* fillFrom,
                                                     dataObjectBitSection* target, QWidget* parent)
    : CDataObjectSourcePane(839, locationWidth, ownTop + CBitSectionMasksPane::height), fillFrom_(fillFrom),
      target_(target)
{
    setParent(parent, Qt::Dialog);
    setWindowTitle("Bit Section");
    if (fillFrom)
        hold(fillFrom->device, fillFrom->object, fillFrom->values);
    addLocationControls();
    addButton(IDOK, "OK", locationWidth + 8, 0, 50, 14, true);
    addButton(IDCANCEL, "Cancel", locationWidth + 8, 18, 50, 14);
    setDialogSize(locationWidth + 64, ownTop + CBitSectionMasksPane::height + 4);
}

CDataObjectBitSectionPage::~CDataObjectBitSectionPage() = default;

void CDataObjectBitSectionPage::addOwnControls()
{
    addLabel(masksPlaceholderId, "", 0, ownTop, 1, 1)->hide();
}

bool CDataObjectBitSectionPage::OnInitDialog()
{
    masks_.create(*this, masksPlaceholderId, fillFrom_ ? &fillFrom_->masks : nullptr, false);
    if (!target_)
        setWindowTitle(toUiText(gstr().loadString(newSectionTitle)));
    if (!fillLocation()) {
        EndDialog(IDCANCEL);
        return false;
    }
    return true;
}

void CDataObjectBitSectionPage::OnOK()
{
    gbitSectionMasks masks;
    if (!validate() || !masks_.validate(masks))
        return;
    if (!target_) {
        made_ = std::make_unique<dataObjectBitSection>();
        target_ = made_.get();
    }
    target_->device = heldDevice();
    target_->object = heldDataObject();
    target_->values.deleteAll();
    g2driverParameterValue::copyAll(heldValues(), target_->values);
    target_->masks = masks;
    CDialog::OnOK();
}
