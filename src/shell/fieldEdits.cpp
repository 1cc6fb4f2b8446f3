#include "shell/fieldEdits.h"

#include "shell/CSpinEdit.h"

namespace fieldEdits {

void limitSpin(CSpinEdit& edit, const gintegerField& field)
{
    edit.spin().minimum = static_cast<double>(field.dialog.lowest);
    edit.spin().maximum = static_cast<double>(field.dialog.highest);
}

void limitSpin(CSpinEdit& edit, const gsecondsField& field)
{
    edit.spin().minimum = static_cast<double>(field.dialog.lowest) * 0.001;
    edit.spin().maximum = static_cast<double>(field.dialog.highest) * 0.001;
}

void showSeconds(CRealSpinEdit& edit, gmilliseconds value) { edit.setValue(gsecondsField::shown(value)); }

bool readSeconds(const CRealSpinEdit& edit, const gsecondsField& field, gmilliseconds shown, double unreadable,
                 uint32_t& count)
{
    double seconds = 0;
    if (!edit.getValue(seconds))
        seconds = unreadable;
    return field.confirms(seconds, shown, count);
}

bool readInteger(const CNonNegativeSpinEdit& edit, const gintegerField& field, int32_t shown, int32_t unreadable,
                 int32_t& value)
{
    if (!edit.getValue(value))
        value = unreadable;
    return field.confirms(value, shown);
}

bool readInteger(const CUnsignedSpinEdit& edit, const gintegerField& field, int64_t shown, uint32_t unreadable,
                 uint32_t& value)
{
    if (!edit.getValue(value))
        value = unreadable;
    return field.confirms(value, shown);
}

} // namespace fieldEdits
