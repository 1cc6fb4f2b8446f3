#include "g2driver/editor/CModifyObjectDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverSummarySource.h"
#include "legacy/ui/objectItems.h"
#include "legacy/ui/sortedObjectItems.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/sources/gdataObjectRef.h"

#include <QComboBox>

namespace {

constexpr int addCaption = 10642;
constexpr int noObjects = 10643;
constexpr int noBistateObjects = 10644;

} // namespace

CModifyObjectDialog::CModifyObjectDialog(jhashTypedDatabaseTable<g2driverDataObject>& objects, bool bistateOnly,
                                         const g2driverDataObject* edited, const gdataObjectRef* source,
                                         gdataObjectRef* target, QWidget* parent)
    : CDialog(templateId, parent), objects_(objects), bistateOnly_(bistateOnly), edited_(edited), source_(source),
      target_(target)
{
    setWindowTitle(QStringLiteral("Modify Object"));
    setDialogSize(220, 40);
    addLabel(-1, "&Object:", 7, 9, 40, 8);
    auto* combo = addComboBox(objectId, false, 50, 7, 110, 100);
    addButton(IDOK, "OK", 166, 7, 48, 14, true);
    addButton(IDCANCEL, "Cancel", 166, 24, 48, 14);
    panel_ = addControl(panelId, new CParameterValuesPanel(true), 7, 26, 150, 1);
    QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this] { showParameters(); });
}

CModifyObjectDialog::~CModifyObjectDialog() = default;

bool CModifyObjectDialog::OnInitDialog()
{
    baseHeight_ = height();
    if (!target_) {
        gstr caption;
        setWindowTitle(toUiText(caption.loadString(addCaption)));
    }
    auto* combo = controlAs<QComboBox>(objectId);
    QSignalBlocker quiet(combo);
    jhashTypedIterator<g2driverDataObject> it(objects_);
    g2driverDataObject* object = nullptr;
    sortedObjectItems listed;
    while (it.get(object)) {
        if (object == edited_ || !object->isDefined())
            continue;
        if (bistateOnly_ && object->getTypeCode() != 1)
            continue;
        listed.add(object->getName(), object);
    }
    listed.appendTo(*combo);
    if (combo->count() == 0) {
        messageBox(bistateOnly_ ? noBistateObjects : noObjects, gbuttons::ok, gicon::warning);
        EndDialog(IDCANCEL);
        return false;
    }
    int at = source_ ? findItemObject(*combo, source_->getDataObject()) : -1;
    combo->setCurrentIndex(at >= 0 ? at : 0);
    showParameters();
    if (source_)
        panel_->setValues(source_->values());
    return true;
}

g2driverDataObject* CModifyObjectDialog::selectedObject() const
{
    auto* combo = controlAs<QComboBox>(objectId);
    return static_cast<g2driverDataObject*>(itemObject(*combo, combo->currentIndex()));
}

void CModifyObjectDialog::showParameters()
{
    g2driverDataObject* object = selectedObject();
    int extra = object ? panel_->setParameters(object->parameters().ordered()) : 0;
    resize(width(), baseHeight_ + extra);
}

void CModifyObjectDialog::OnOK()
{
    g2driverParameterValueTable values(5);
    if (!panel_->getValues(values, false))
        return;
    gdataObjectRef* reference = target_;
    if (!reference) {
        made_ = g2driverSummarySource::makeReference();
        made_->bindTable(&objects_);
        reference = made_.get();
    }
    reference->setDataObject(selectedObject());
    reference->copyValues(values);
    CDialog::OnOK();
}
