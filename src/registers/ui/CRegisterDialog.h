#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"
#include "registers/gregister.h"
#include "store/gprocessorCall.h"

#include <QPoint>
#include <cstdint>
#include <memory>

class CSourcePane;
class gobjectType;
class gregisterSource;

// What the four register dialogs share: tag, name, alarm level, the common
// flags, copies of the log strings and automatic controls that their own
// dialogs edit, the source-type choice with the source pane below it, and
// the order in which OK checks and stores. Constructed (fill from, target):
// New passes (null, null), Edit (r, r), Duplicate (r, null). Nothing of the
// register changes before OK; New and Duplicate define the register then.
class CRegisterDialog : public CDialog {
public:
    static constexpr int tagId = 1326;
    static constexpr int nameId = 1480;
    static constexpr int levelId = 1614;
    static constexpr int sourceTypeId = 1443;
    static constexpr int fileOnlyId = 1312;
    static constexpr int autoMaskId = 1615;
    static constexpr int manualMaskId = 1617;
    static constexpr int localId = 1311;
    static constexpr int hiddenId = 1760;
    static constexpr int userDefinableId = 1492;
    static constexpr int askToMaskId = 1493;
    static constexpr int configureLogStringsId = 1494;
    static constexpr int logStringsId = 1313;
    static constexpr int controlsId = 1191;
    static constexpr int placeholderId = 1658;

    CRegisterDialog(int templateId, int newCaptionId, gregister* fillFrom, gregister* target,
                    QWidget* parent = nullptr);
    ~CRegisterDialog() override;

    // The register made or edited, once OK has succeeded.
    gregister* targetRegister() const { return target_; }
    // 1 bistate, 2 digital, 3 analog, 4 string.
    virtual int classCode() const = 0;

    // What the log strings and controls dialogs work on.
    // The level the combo shows: 1 NONE to 4 LATCHING ALARM.
    int selectedLevel() const;
    // Name, else tag, else "Sample register name"; kept for the samples.
    void sampleRegisterName();
    const gstr& sampleName() const { return sampleName_; }
    gstr& logStringCopy(gregister::logString which) { return logStrings_[which]; }
    bool oldStyle() const { return oldStyle_; }
    void setOldStyle(bool oldStyle) { oldStyle_ = oldStyle; }
    gprocessorCall& controlCopy(gregister::control which) { return controls_[which]; }
    // The tag and name as typed.
    gstr typedTag() const { return controlText(tagId); }
    gstr typedName() const { return controlText(nameId); }

    // The source pane and its type code (0 before one is shown).
    CSourcePane* sourcePane() const { return pane_.get(); }
    // The pane whose source OK stores; none while a register that had no
    // source still shows the untouched pane of the default kind, so that
    // an OK without changes leaves it without one.
    CSourcePane* sourcePaneToApply() const;
    int sourceTypeCode() const { return typeCode_; }
    // The dialog's height without the pane plus the pane's.
    void fitToSourcePane();
    // Shows the pane (the kind's empty pane when none is given) for the
    // type code below the "Source" line, with the type combo filled.
    void showSourcePane(int typeCode, std::unique_ptr<CSourcePane> pane = nullptr);
    // The class's type codes in combo order, 5 only with legacy parameters
    // and 20 to 29 only with legacy drivers; the current code selected.
    void fillSourceTypes(bool legacyParameters, bool legacyDrivers);
    std::unique_ptr<CSourcePane> createSourcePane(int typeCode) const;
    // A pane that knows the source's element count tells it here.
    virtual void showElementCount(int32_t count);

    // The display name's string id of a type code (1 to 29), 0 else.
    static int sourceTypeNameId(int typeCode);

protected:
    virtual void enableUserOptions(bool userDefinable);
    // Fills the class fields from the fill-from register (or for New) and
    // shows the source pane.
    virtual void fillClassFields(bool userDefinable) = 0;
    // The class fields, then the pane; false keeps the dialog open.
    virtual bool validateClassFields(int level) = 0;
    // Into the target's supplement, the pane's source included.
    virtual void applyClassFields(bool userDefinable) = 0;
    // The source type changed to the pane now shown.
    virtual void sourcePaneReplaced();
    // "Log &Strings..." and "&Controls...": the state log strings and the
    // automatic controls dialogs unless the class has its own.
    virtual void OnLogStrings();
    virtual void OnControls();

    // The register the fields come from: null for New.
    gregister* fillFrom() const { return fillFrom_; }
    // The first row (dialog units) of the class fields.
    static constexpr int classTop = 122;
    // After the class fields, which end at classBottom: the source type,
    // the "Source" line and the pane's placeholder, and the dialog's size.
    void finishLayout(int classBottom);
    // The pane's source when there is one, else the class's default pane.
    void showFillFromSource(const gregisterSource* source, int defaultTypeCode);
    // The pane's own checks, which end the class's.
    bool validateSourcePane() const;
    // The message and the focus on the field, its text left unselected;
    // false.
    bool refuseFocusOnly(int id, int messageId);

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void onSourceTypeChange();
    void restoreSourceTypeSelection();
    bool newLogStringsNoticeAccepted(int level);
    bool defineTarget();
    void storeCommonFields();
    void enableOk();

    int newCaptionId_;
    gregister* fillFrom_;
    gregister* target_;
    // Layout in pixels.
    int width_ = 0;
    int heightWithoutPane_ = 0;
    QPoint panePosition_;

    int typeCode_ = 0;
    std::unique_ptr<CSourcePane> pane_;
    // The default kind's pane shown for a register without a source.
    const CSourcePane* paneForNoSource_ = nullptr;
    bool fillingTypes_ = false;
    gstr sampleName_;
    gstr logStrings_[gregister::logStringCount];
    bool oldStyle_ = false;
    gprocessorCall controls_[gregister::controlCount];
};
