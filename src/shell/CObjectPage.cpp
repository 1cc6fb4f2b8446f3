#include "shell/CObjectPage.h"

CObjectPage::CObjectPage(int templateId, QWidget* parent) : CDialog(templateId, parent) {}

void CObjectPage::setObject(QWidget* owner, void* object)
{
    owner_ = owner;
    object_ = object;
    if (owner_)
        loadFromObject();
}

void CObjectPage::commitEdits() {}
