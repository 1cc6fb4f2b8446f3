#pragma once

#include "support/ui/controlHost.h"

#include <QAbstractButton>
#include <QLabel>

// A host dialog for the data-format pages: a hidden placeholder static 1843
// at (10, 20) dialog units, over which a page is created.
//
//   pageHost host;
//   CStringMatchPage page;
//   page.create(host, pageHost::placeholderId, nullptr, 0);
class pageHost : public controlHost {
public:
    static constexpr int placeholderId = 1843;

    explicit pageHost(int cx = 420, int cy = 260) : controlHost(cx, cy)
    {
        add(placeholderId, new QLabel, 10, 20, 20, 8)->hide();
    }
};

// A click of the user on a check box, radio button or push button: the
// button changes first, then the dialog hears of it.
inline void clickButton(CDialog& dialog, int id)
{
    auto* button = dialog.controlAs<QAbstractButton>(id);
    if (button)
        button->click();
}

// The dialog (a page inside a host) that holds the control tagged id.
inline CDialog* dialogOfControl(QWidget& host, int id)
{
    auto* w = host.findChild<QWidget*>(QStringLiteral("control%1").arg(id));
    return w ? dynamic_cast<CDialog*>(w->parentWidget()) : nullptr;
}

// The text of a control anywhere inside host, pages included.
inline gstr pageText(QWidget& host, int id)
{
    CDialog* owner = dialogOfControl(host, id);
    return owner ? owner->controlText(id) : gstr("<no control>");
}

inline void setPageText(QWidget& host, int id, const char* text)
{
    if (CDialog* owner = dialogOfControl(host, id))
        owner->setControlText(id, text);
}
