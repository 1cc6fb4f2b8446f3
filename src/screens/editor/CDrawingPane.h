#pragma once

#include "foundation/gcolor.h"
#include "screens/model/gpropValues.h"
#include "platform/sortedItems.h"
#include "shell/CObjectPage.h"

#include <cstdint>
#include <memory>
#include <vector>

class CNonNegativeSpinEdit;
class QCheckBox;
class fscreen;
class gregister;
class gdrawingProperties;
struct sharedItem;

// A pane of the drawing-properties bar. It shows (loadFromObject) one
// property set of the record the bar hands it (setObject): a screen's selection record, where every change
// goes at once to the selected objects that take the set, or the drawing
// defaults (no screen), where a change only concerns what new objects get.
//
//   pane.setObject(&screen->getSelectionProperties(), screen);
//   ... the user edits ...
//   pane.commitEdits();   // before the bar hides the pane
class CDrawingPane : public CObjectPage {
public:
    // mask: the property-set bit of the pane.
    CDrawingPane(int templateId, int mask, QWidget* parent = nullptr);

    int mask() const { return mask_; }

    // While one lives, the register lists of every pane are filled from
    // the station's registers sorted once, not once for each list; with
    // none, from none of them (the station is closing). An inner one keeps
    // what the outer gives.
    class registerListRefill {
    public:
        explicit registerListRefill(bool none = false);
        ~registerListRefill();
        registerListRefill(const registerListRefill&) = delete;
        registerListRefill& operator=(const registerListRefill&) = delete;

    private:
        std::shared_ptr<const std::vector<sharedItem>> sorted_;
        const std::shared_ptr<const std::vector<sharedItem>>* outer_;
    };

protected:
    // A control by id as its own class, which need not be a Qt class.
    template <class T>
    T* controlOf(int id) const
    {
        return dynamic_cast<T*>(control(id));
    }

    bool editsDefaults() const { return screen() == nullptr; }
    // Enter commits the number fields; a pane is never closed by a key.
    void OnOK() override;
    void OnCancel() override;

    // With a screen: the one changed property goes to every selected object
    // that takes the set, and the pane shows the merged result again; true.
    // With the drawing defaults nothing happens; false.
    bool applyProperty(int id, int stateId = gstate::off, uint32_t number = 0);

    // The display rule: a value is shown, a mixed value shows nothing, and
    // control and label are enabled when the value is set or mixed.
    void enableWithLabel(int id, int labelId, bool enable);
    void showColour(int id, const gcolor& colour);
    void showCheck(int id, const gtriStateBool& value);
    // Empty for a value below emptyBelow (unset and mixed included).
    void showNumber(int id, const gtriInt& value, int emptyBelow = 1);
    // A list item, -1 for none.
    void showItem(int id, int item);
    void clearColour(int id);
    // A multi-line edit: empty on the button-face ground while it stands for
    // differing texts, else the text, with its lines ending in a lone CR.
    void showMultiLineText(int id, const gtriStateString& text);
    void showTextMixed(int id, bool mixed);
    // The edit's text with its line feeds removed.
    gstr multiLineText(int id) const;

    // The colour dialog preset with the button's colour; on OK the field
    // becomes the chosen colour and, with the defaults, the button shows it.
    bool chooseColour(int buttonId, gcolor& field);
    // The Enter Text dialog (one line, with Cancel) on the common text, or
    // on nothing when the texts differ; on OK the entered text becomes the
    // common text and true is returned.
    bool enterCommonText(gtriStateString& text);
    // A click on a three-state box: 0 when it showed checked, else 1; with
    // the defaults the box shows the new value.
    int clickedCheck(int id, gtriStateBool& field);
    // The box shows a tick (not the third state).
    bool showsChecked(int id) const;

    // A number field with its spin. A step stores and applies at once; a
    // commit reads a modified field.
    CNonNegativeSpinEdit* addNumberField(int id, int minimum, int x, int y, int cx, int cy);
    QCheckBox* addTriStateBox(int id, const char* text, int x, int y, int cx, int cy);
    // Commits a modified number field into field: a value of minimum or more
    // is stored and true returned (with the defaults the field is written
    // back in its normal form); anything else restores the field from
    // field, selects its text and shows the message; false.
    bool commitNumber(int id, int minimum, int messageId, gtriInt& field, int emptyBelow = 1);
    // A real-number field with its spin and caption; steps go to
    // realStepped. showReal shows a common value, else nothing, and enables
    // field and caption when the value is set; commitReal reads a modified
    // field into the value (true), or restores it with the message.
    void addRealField(int labelId, const char* label, int id, int y);
    void showReal(int id, int labelId, const gtriStateDouble& value);
    bool commitReal(int id, int labelId, int messageId, gtriStateDouble& field);
    virtual void realStepped(int id, double value);
    // Whether the user changed the field since the last load or commit.
    bool numberModified(int id) const;
    // Called with the clamped value of every spin step of a number field.
    virtual void numberStepped(int id, int32_t value);

    // Every open screen redraws the objects of the pane's kind, after the
    // state they are shown in changed.
    void redrawPreviews() const;

    // Lists of the station's registers and of the library's images. A
    // register list holds what part gives of each register (the register
    // itself, or one of its class parts), skipping those it gives null,
    // after the leading items given it; it shows the item of selected, else
    // none. The registers' texts are shared by all the lists.
    using registerPart = void* (*)(gregister& reg);
    static void* wholeRegister(gregister& reg);
    void fillRegisterList(int id, const void* selected, registerPart part = wholeRegister);
    // Items of the register list's own, before the registers, kept by refills.
    void setLeadingItems(int id, std::vector<sharedItem> items);
    void fillImageList(int id, const gstrSlice& selected, bool hasValue);
    // The list drops down twice as wide as the control.
    void doubleDropDownWidth(int id);
    // The list holds the items sorted by text, ignoring case (equal texts
    // in the given order), and shows the item of selected, else none.
    void fillSorted(int id, std::vector<listedItem>& items, const void* selected);
    // As fillSorted with items already in order.
    void fillInOrder(int id, const std::vector<listedItem>& items, const void* selected);
    // The item whose data is the object, searching from the last; -1.
    int findItemData(int id, const void* object) const;
    void* itemData(int id, int item) const;

private:
    int mask_;
};

// COLORREF of a set colour.
uint32_t colourRef(const gcolor& colour);
