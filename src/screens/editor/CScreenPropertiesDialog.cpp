#include "screens/editor/CScreenPropertiesDialog.h"

#include "platform/modalRun.h"
#include "platform/systemColours.h"
#include "resources/stringTable.h"
#include "screens/editor/CColorDialog.h"
#include "screens/editor/screenDocuments.h"
#include "screens/model/fscreen.h"
#include "shell/CProgramCombo.h"
#include "shell/CSpinEdit.h"
#include "shell/programArgumentsDialog.h"
#include "store/gstation.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <limits>

namespace {

constexpr int editCaption = 10055;
constexpr int badHeight = 10087;
constexpr int badWidth = 13000;
constexpr int heightRange = 13011;
constexpr int tagTaken = 10257;
constexpr uint32_t newHeight = 500;
constexpr uint32_t newWidth = 750;

uint32_t windowColour() { return refFromColour(systemColour(sysColour::window)); }

} // namespace

CScreenPropertiesDialog::CScreenPropertiesDialog(fscreen* source, fscreen* target, QWidget* parent)
    : CDialog(549, parent), source_(source), target_(target)
{
    setWindowTitle(QStringLiteral("New Screen"));
    setDialogSize(230, 170);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 55, 7, 168, 12);
    addLabel(-1, "&Name:", 7, 25, 40, 8);
    addEdit(nameId, 55, 23, 168, 12);
    addGroupBox(-1, "Initial Size", 7, 40, 105, 48);
    addLabel(-1, "&Height:", 14, 54, 35, 8);
    addControl(heightId, new CUnsignedSpinEdit, 50, 52, 55, 12);
    addLabel(-1, "&Width", 14, 70, 35, 8);
    addControl(widthId, new CUnsignedSpinEdit, 50, 68, 55, 12);
    addCheckBox(dialogId, "&Dialog", 120, 44, 100, 10);
    addCheckBox(localId, "D&on't transmit over network", 120, 57, 105, 10);
    addCheckBox(showId, "Show screen &initially", 120, 70, 100, 10);
    addCheckBox(customColourId, "Custom background &colour", 7, 96, 110, 10);
    addButton(setColourId, "Set Co&lour...", 120, 94, 60, 14);
    addLabel(-1, "Ac&kowledge program:", 7, 116, 80, 8);
    addControl(programId, new CProgramCombo(&ackCall_), 7, 126, 150, 100);
    addButton(argumentsId, "Ar&guments...", 163, 125, 60, 14);
    addButton(IDOK, "OK", 115, 150, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 173, 150, 50, 14);

    connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
            [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
    onCommand(dialogId, [this] { OnDialogClicked(); });
    onCommand(customColourId, [this] { enableControl(setColourId, isChecked(customColourId)); });
    onCommand(setColourId, [this] { chooseColour(); });
    connect(controlAs<QComboBox>(programId), &QComboBox::currentIndexChanged, this, [this] { enableArguments(); });
    onCommand(argumentsId, [this] {
        if (editProgramArguments(ackCall_, nullptr))
            update();
    });
}

bool CScreenPropertiesDialog::OnInitDialog()
{
    background_ = windowColour();
    if (source_) {
        fillFromSource();
    } else {
        enableControl(IDOK, false);
        dynamic_cast<CUnsignedSpinEdit*>(control(heightId))->setValue(newHeight);
        dynamic_cast<CUnsignedSpinEdit*>(control(widthId))->setValue(newWidth);
    }
    dynamic_cast<CProgramCombo*>(control(programId))->fill(true);
    for (int id : {heightId, widthId})
        dynamic_cast<CUnsignedSpinEdit*>(control(id))->spin().minimum = 1;
    enableControl(setColourId, isChecked(customColourId));
    OnDialogClicked();
    enableArguments();
    return source_ == nullptr;
}

void CScreenPropertiesDialog::fillFromSource()
{
    const fscreen& s = *source_;
    bool editing = source_ == target_;
    setControlText(tagId, s.getTag());
    setControlText(nameId, s.getTitle(editing));
    dynamic_cast<CUnsignedSpinEdit*>(control(heightId))->setValue(static_cast<uint32_t>(s.getHeight()));
    dynamic_cast<CUnsignedSpinEdit*>(control(widthId))->setValue(static_cast<uint32_t>(s.getWidth()));
    if (s.getBackground().isSet()) {
        setChecked(customColourId, true);
        const gcolor& c = s.getBackground();
        background_ = c.red() | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
    }
    setChecked(dialogId, !s.isInMenu());
    setChecked(showId, s.isInMenu() && s.isShown());
    dialogShown_ = !s.isInMenu() && s.isShown();
    setChecked(localId, s.isLocal());
    ackCall_.assign(s.getAckCall());
    if (editing) {
        setWindowTitle(QString::fromLatin1(stringTableText(editCaption)));
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        focusControl(tagId);
    }
}

void CScreenPropertiesDialog::OnDialogClicked()
{
    bool dialog = isChecked(dialogId);
    if (dialog)
        setChecked(showId, false);
    enableControl(showId, !dialog);
}

bool CScreenPropertiesDialog::shown() const { return isChecked(dialogId) ? dialogShown_ : isChecked(showId); }

void CScreenPropertiesDialog::enableArguments()
{
    enableControl(argumentsId, controlAs<QComboBox>(programId)->currentIndex() > 0);
}

void CScreenPropertiesDialog::chooseColour()
{
    CColorDialog dialog(background_);
    if (dialog.DoModal() == IDOK)
        background_ = dialog.getColor();
}

// A size must keep the far edge of the screen, counted from its near edge,
// within the coordinates: a larger one would wrap round to a small screen.
// The message of a size too large names the sizes that fit. The size shown
// is taken as it is: the screen then keeps its edges.
bool CScreenPropertiesDialog::readSize(int id, uint32_t& value, int unreadableId, int rangeId, int32_t nearEdge,
                                       int64_t shown)
{
    auto* edit = dynamic_cast<CUnsignedSpinEdit*>(control(id));
    const int64_t largest = std::min<int64_t>(int64_t(std::numeric_limits<int32_t>::max()) - nearEdge,
                                              std::numeric_limits<uint32_t>::max());
    const bool read = edit->getValue(value);
    if (read && (value <= largest || value == shown))
        return true;
    if (read || unreadableId == rangeId) {
        gstr text;
        refuseField(id, text.format(rangeId, static_cast<uint32_t>(largest)), rangeId);
    } else {
        refuseField(id, unreadableId);
    }
    edit->selectAll();
    return false;
}

void CScreenPropertiesDialog::OnOK()
{
    gstr tag = controlText(tagId);
    gstr name = controlText(nameId);
    uint32_t height = 0;
    uint32_t width = 0;
    // A new screen starts at the origin.
    grect bounds = target_ ? target_->getBounds() : grect{};
    if (bounds.isEmpty())
        bounds = grect{0, 0, 0, 0};
    if (!readSize(heightId, height, badHeight, heightRange, bounds.top, source_ ? source_->getHeight() : -1) ||
        !readSize(widthId, width, badWidth, badWidth, bounds.left, source_ ? source_->getWidth() : -1))
        return;
    if (!target_) {
        fscreen* made = station::screens().define(tag);
        if (!made) {
            messageBox(tagTaken, gbuttons::ok, gicon::warning);
            return;
        }
        target_ = made;
    }
    // A name left as it was keeps a title that equals the tag.
    if (name != target_->getTitle(false))
        target_->setTitle(name == tag ? gstrSlice::empty : gstrSlice(name));
    gcolor ground;
    if (isChecked(customColourId))
        ground.set(background_ & 0xFF, (background_ >> 8) & 0xFF, (background_ >> 16) & 0xFF);
    auto* programs = dynamic_cast<CProgramCombo*>(control(programId));
    ackCall_.setProgram(programs->selectedProgram());
    target_->setScreenProperties(static_cast<int32_t>(height), static_cast<int32_t>(width),
                                 isChecked(dialogId) ? 0 : 1, isChecked(localId) ? 1 : 0, shown() ? 1 : 0,
                                 ground, ackCall_);
    if (source_ != target_) {
        if (source_)
            target_->copyObjectsFrom(*source_, false);
        openScreenDocument(*target_);
    }
    CDialog::OnOK();
}
