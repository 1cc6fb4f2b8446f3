#pragma once

#include "foundation/gstr.h"
#include "platform/CImageList.h"

#include <QListWidget>
#include <functional>

class gregister;

// A list whose entries show a small icon of a value type before their text
// (0 alarm, 1 bistate, 2 digital, 3 analog, 4 string). Each entry carries a
// pointer to the object it stands for; what icon an object shows is asked
// when the entry is drawn, so a changed object shows its new icon.
class CIconListBox : public QListWidget {
public:
    // The type code (1 to 4) of the data object an entry's object stands
    // for; the owner knows what the entries carry.
    using typeCodeOf = std::function<int(const void* object)>;

    explicit CIconListBox(typeCodeOf typeCode = {}, QWidget* parent = nullptr);

    int addEntry(const gstrSlice& text, const void* object);
    const void* entryObject(int index) const;
    // The icon of an entry; -1 for none.
    virtual int iconOf(int index) const;

    int itemHeight() const { return itemHeight_; }
    int iconTop() const { return iconTop_; }
    int textIndent() const { return textIndent_; }
    const CImageList& images() const { return images_; }

private:
    typeCodeOf typeCode_;
    int textIndent_ = 18;
    int iconTop_;
    int itemHeight_;
    CImageList images_;
};

// The same for registers: an entry's object is a register and its icon its
// class, a bistate register above STATUS showing the alarm icon. In
// data-object mode the entries carry data objects and show their type.
class CRegisterListBox : public CIconListBox {
public:
    explicit CRegisterListBox(int dataObjectMode, typeCodeOf dataObjectType = {}, QWidget* parent = nullptr);

    int iconOf(int index) const override;

private:
    int dataObjectMode_;
};

// The icon of a register: its class code (1 bistate, 2 digital, 3 analog,
// 4 string, 0 none), 0 also for a bistate register of level ALARM or
// LATCHING ALARM.
int registerIconIndex(const gregister& reg);
