#pragma once

#include "platform/CImageList.h"
#include "shell/CSelectDialog.h"

class gregister;

// The list window of the station's registers: four New buttons, one per
// register class, and a small image before each row that shows the
// register's class (a bistate register above STATUS shows the alarm). Its
// buttons run the register dialogs (registerDialogs.h) and keep the screen
// editor, the drawing-properties bar and the SCL views informed.
class CRegistersDialog : public CSelectDialog {
public:
    static constexpr int newBistateId = newId;
    static constexpr int newDigitalId = 1334;
    static constexpr int newAnalogId = 1331;
    static constexpr int newStringId = 1340;
    static constexpr int dialogId = 602;

    CRegistersDialog();

    bool canCreateObjects() const override;
    void fillList() override;
    // The main frame's New Register: choice 0 bistate, 1 digital, 2 analog,
    // 3 string, as the Select Register Type dialog answers.
    void newRegister(int choice);

    void OnNewBistate() { newOfClass(1); }
    void OnNewDigital() { newOfClass(2); }
    void OnNewAnalog() { newOfClass(3); }
    void OnNewString() { newOfClass(4); }

    const CImageList& rowImages() const { return images_; }

protected:
    void OnNew() override { OnNewBistate(); }
    void OnEdit() override;
    void OnDelete() override;
    void OnDuplicate() override;

private:
    void newOfClass(int classCode);
    // A register made by a dialog becomes the selected row.
    void insertMade(gregister* reg);
    gregister* selectedRegister() const;

    CImageList images_;
};

// The image of a register's row: 1 bistate with its alarm level unset, NONE
// or STATUS, 0 bistate at ALARM or LATCHING ALARM, 2 digital, 3 analog,
// 4 string (-1 without a class).
int registerRowImage(const gregister& reg);
