#include "shell/CObjectPage.h"

CObjectPage::CObjectPage(int templateId, QWidget* parent) : CDialog(templateId, parent) {}

void CObjectPage::setObject(QWidget* owner, void* object)
{
    owner_ = owner;
    object_ = object;
    if (owner_)
        loadFromObject();
}

void CObjectPage::setObject(gdrawingProperties* record, fscreen* screen)
{
    record_ = record;
    screen_ = screen;
    if (record_)
        loadControls();
}

void CObjectPage::commitEdits() {}

void CObjectPage::paletteChanged(int) {}

void CObjectPage::refillRegisterList() {}

void CObjectPage::refillImageList() {}

void CObjectPage::refillScreenList() {}

void CObjectPage::refillProgramList() {}
