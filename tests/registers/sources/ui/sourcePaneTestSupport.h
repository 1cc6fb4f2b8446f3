#pragma once

#include "registers/sources/ui/CSourcePane.h"
#include "registers/ui/CRegisterDialog.h"
#include "registers/ui/registerDialogFixture.h"

#include <gtest/gtest.h>

// The source pane a register dialog shows.
inline CSourcePane& paneOf(CDialog& dialog)
{
    CSourcePane* pane = dynamic_cast<CRegisterDialog&>(dialog).sourcePane();
    if (!pane)
        throw std::runtime_error("the register dialog shows no source pane");
    return *pane;
}

// Chooses the kind in the dialog's "Source type" list by its type code;
// false when the list does not offer it.
inline bool chooseSourceType(CDialog& dialog, int typeCode)
{
    auto* combo = dialog.controlAs<QComboBox>(CRegisterDialog::sourceTypeId);
    int index = combo->findData(typeCode);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

// The source block of the register as a save writes it, from its SOURCE
// line to the END of the block, nested one level as in the register.
inline std::string sourceLines(const gregister& reg)
{
    std::string text = writtenRegister(reg);
    size_t start = text.find("\tSOURCE");
    if (start == std::string::npos)
        return "";
    size_t end = text.find("\n\tEND\n", start);
    return text.substr(start, end + 6 - start);
}
