#pragma once

#include "foundation/gstr.h"
#include "platform/dialogResults.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The record every control notification starts with: the control, its id
// and the notification code. A control's own record adds its fields after
// it, and the handler that asked for that code reads them.
struct notifyHeader {
    QWidget* from;
    int id;
    int code;
};

// The base of every dialog, modal or modeless. A derived dialog builds its
// controls in code, each tagged with the id its template gives, placed in
// dialog units of the dialog's font; everything else finds them by id.
//
//   class CEditThing : public CDialog {
//   public:
//       CEditThing(QWidget* parent) : CDialog(570, parent)
//       {
//           setDialogSize(200, 60);
//           addLabel(-1, "&Name:", 7, 9, 40, 8);
//           addEdit(1010, 50, 7, 140, 12);
//           addButton(IDOK, "OK", 90, 40, 50, 14, true);
//           addButton(IDCANCEL, "Cancel", 143, 40, 50, 14);
//       }
//   protected:
//       bool OnInitDialog() override { setControlText(1010, name); return true; }
//       void OnOK() override
//       {
//           if (controlText(1010).isEmpty())
//               return (void)refuseField(1010, 10123);
//           CDialog::OnOK();
//       }
//   };
//
// Buttons send their id as a command: IDOK runs OnOK, IDCANCEL (also Escape
// and the close box) runs OnCancel, other ids run the handler given with
// onCommand. Tests press buttons with sendCommand.
//
// Multi-line edits take and give line breaks as CR LF, as the model writes
// them; a label's '&' marks the mnemonic that moves the focus to the control
// added after it.
class CDialog : public QDialog {
public:
    explicit CDialog(int templateId, QWidget* parent = nullptr);
    ~CDialog() override;

    int templateId() const { return templateId_; }

    // Runs the dialog modally through the platform's modal run.
    int DoModal();
    // Initialises the dialog and shows it without blocking.
    void createModeless();
    // Runs OnInitDialog once; the modal run and createModeless call it.
    void ensureInitialized();
    void EndDialog(int result);
    bool hasEnded() const { return ended_; }
    int endResult() const { return endResult_; }

    // Controls by id.
    QWidget* control(int id) const;
    template <class T>
    T* controlAs(int id) const
    {
        return qobject_cast<T*>(control(id));
    }
    // The id a control was tagged with, 0 when none.
    static int controlId(const QWidget* widget);

    // A press of the button with this id (or a command without a button).
    void sendCommand(int id);
    void onCommand(int id, std::function<void()> handler);

    // Notifications of controls (WM_NOTIFY): the handler for a control id
    // and a code. sendNotify runs it; false when there is none.
    using notifyHandler = std::function<void(const notifyHeader&)>;
    void onNotify(int id, int code, notifyHandler handler);
    bool sendNotify(const notifyHeader& record);
    // The same for a control's parent, which need not be a dialog.
    static bool notifyParent(QWidget* parent, const notifyHeader& record);

    void enableControl(int id, bool enable);
    bool isControlEnabled(int id) const;
    void showControl(int id, bool show);
    bool isControlShown(int id) const;
    void focusControl(int id);
    bool hasFocus(int id) const;

    void setChecked(int id, bool checked);
    bool isChecked(int id) const;
    // Checks checkedId and clears the other radio buttons of the range.
    void checkRadioButton(int firstId, int lastId, int checkedId);
    // The checked radio button of the range, 0 when none.
    int checkedRadioButton(int firstId, int lastId) const;

    // Edits, labels, buttons, group boxes, editable combo boxes.
    void setControlText(int id, const gstrSlice& text);
    gstr controlText(int id) const;

    // Combo boxes and list boxes.
    int addItem(int id, const gstrSlice& text);
    void clearItems(int id);
    int itemCount(int id) const;
    gstr itemText(int id, int index) const;
    void selectItem(int id, int index);
    // -1 when nothing is selected.
    int selectedItem(int id) const;

    // Shows the message (exclamation, OK), puts the focus on the field with
    // an edit's text selected, and returns false; the dialog stays open.
    bool refuseField(int id, int messageId);
    bool refuseField(int id, const gstrSlice& text, int promptId = 0);

    // Enter on the default button and Escape or the close box.
    void accept() override;
    void reject() override;

protected:
    // True leaves the focus on the first control that takes it.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // A dialog with several templates (a page's narrow and wide forms) tells
    // which one it builds before it adds its controls.
    void setTemplateId(int templateId) { templateId_ = templateId; }

    // Building the controls. Positions and sizes are dialog units.
    void setDialogSize(int cx, int cy);
    QRect dialogUnits(int x, int y, int cx, int cy) const;
    int dialogUnitsX(int x) const;
    int dialogUnitsY(int y) const;

    // Tags widget with id (0 or negative: not found by id), makes it a child
    // of the dialog and places it; a control with a subclass hook
    // (platform/subclassHook.h) then finishes its setup.
    template <class T>
    T* addControl(int id, T* widget, int x, int y, int cx, int cy)
    {
        placeControl(id, widget, x, y, cx, cy);
        return widget;
    }
    void placeControl(int id, QWidget* widget, int x, int y, int cx, int cy);
    // The same with a rectangle in pixels, for dialogs that lay out at run
    // time.
    void placeControlAt(int id, QWidget* widget, const QRect& pixels);

    QPushButton* addButton(int id, const char* text, int x, int y, int cx, int cy, bool isDefault = false);
    QCheckBox* addCheckBox(int id, const char* text, int x, int y, int cx, int cy);
    QRadioButton* addRadioButton(int id, const char* text, int x, int y, int cx, int cy);
    QLabel* addLabel(int id, const char* text, int x, int y, int cx, int cy);
    QGroupBox* addGroupBox(int id, const char* text, int x, int y, int cx, int cy);
    QLineEdit* addEdit(int id, int x, int y, int cx, int cy);
    QPlainTextEdit* addMultiLineEdit(int id, int x, int y, int cx, int cy, bool readOnly = false);
    QComboBox* addComboBox(int id, bool editable, int x, int y, int cx, int cy);
    QListWidget* addListBox(int id, int x, int y, int cx, int cy);

private:
    void tag(int id, QWidget* widget);
    void linkMnemonics();

    int templateId_;
    bool initialized_ = false;
    bool ended_ = false;
    int endResult_ = IDCANCEL;
    int baseUnitX_ = 0;
    int baseUnitY_ = 0;
    std::map<int, QWidget*> controls_;
    // Controls a pane removes again must not be reached through this list.
    std::vector<QPointer<QWidget>> creationOrder_;
    std::map<int, std::function<void()>> handlers_;
    std::map<std::pair<int, int>, notifyHandler> notifyHandlers_;
};
