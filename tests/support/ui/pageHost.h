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
