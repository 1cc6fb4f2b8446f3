#pragma once

#include "platform/CDialog.h"

#include <vector>

class CRegisterListBox;
class gregister;

// Copy Register Sources: registers of one class get a copy of one
// register's source, so that they read their values the same way.
class CCopyRegisterSourcesDialog : public CDialog {
public:
    static constexpr int fromId = 1439;
    static constexpr int kindTextId = 1443;
    static constexpr int copyId = 1192;
    static constexpr int toId = 1206;

    explicit CCopyRegisterSourcesDialog(QWidget* parent = nullptr);

    static gregister* registerAt(const CRegisterListBox& list, int row);

protected:
    bool OnInitDialog() override;

private:
    void fromChanged();
    gregister* fromRegister() const;
    // The selected To registers, from the bottom row up.
    std::vector<gregister*> targets() const;
    void OnCopy();

    CRegisterListBox* from_ = nullptr;
    CRegisterListBox* to_ = nullptr;
    int shownKind_ = -1; // the source kind shown last
    int toClass_ = 0;    // the class whose registers the To list holds
};
