#include "ports/ui/CComPortCombo.h"

#include "platform/textCodec.h"
#include "ports/comPortList.h"

CComPortCombo::CComPortCombo(QWidget* parent, const char* classFolder) : QComboBox(parent), classFolder_(classFolder)
{
    fill();
}

void CComPortCombo::fill()
{
    for (const gstr& path : comPortNames(classFolder_.c_str()))
        addItem(toUiPath(path));
}
