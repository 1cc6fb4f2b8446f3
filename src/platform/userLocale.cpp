#include "platform/userLocale.h"

#include "foundation/gnumFormat.h"
#include "platform/settingsStore.h"

#include <QLocale>

namespace {

const char* const internationalKey = "Control Panel\\International";

char userSetting(const char* name)
{
    auto text = settings().readString(settingsHive::currentUser, internationalKey, name);
    return text && !text->isEmpty() ? (*text)[0] : 0;
}

} // namespace

char readUserDecimalSeparator()
{
    if (char c = userSetting("sDecimal"))
        return c;
    QString point = QLocale::system().decimalPoint();
    // A decimal point outside Latin-1 has no byte of its own.
    return point.size() == 1 && point[0].unicode() < 0x100 ? static_cast<char>(point[0].unicode()) : '.';
}

char getUserListSeparator()
{
    if (char c = userSetting("sList"))
        return c;
    return readUserDecimalSeparator() == ',' ? ';' : ',';
}

void applyUserNumberConventions() { setUserDecimalSeparator(readUserDecimalSeparator()); }
