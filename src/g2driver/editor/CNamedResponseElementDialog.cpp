#include "g2driver/editor/CNamedResponseElementDialog.h"

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"

#include <QLineEdit>

namespace {

constexpr int tagInUse = 20030;

} // namespace

void CNamedResponseElementDialog::startTag(jhashDatabaseObject* sourceName, jhashDatabaseObject* currentName,
                                           gusedByList* users)
{
    enableControl(IDOK, false);
    if (sourceName) {
        setControlText(tagId, sourceName->getName());
        enableControl(IDOK, true);
    }
    current_ = target() ? currentName : nullptr;
    users_ = target() ? users : nullptr;
    tagMayChange_ = !users_ || users_->isUnused();
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this, [this] { tagChanged(); });
}

void CNamedResponseElementDialog::tagChanged()
{
    if (restoring_)
        return;
    if (tagMayChange_) {
        enableControl(IDOK, !controlText(tagId).isEmpty());
        return;
    }
    users_->reportInUse(tagInUse);
    restoring_ = true;
    setControlText(tagId, current_->getName());
    restoring_ = false;
    controlAs<QLineEdit>(tagId)->selectAll();
    focusControl(tagId);
}

bool CNamedResponseElementDialog::tagIsNew() const
{
    if (!tagMayChange_)
        return false;
    return !current_ || controlText(tagId).compare(current_->getName()) != 0;
}
