#pragma once

#include "foundation/garray.h"
#include "store/gprocessorCall.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"

#include <cstdint>
#include <memory>

class ganalogSupplement;
class gbistateSupplement;
class gdigitalSupplement;
class gregisterSet;
class gregisterSupplement;
class gstringSupplement;
struct gregisterBatchOptions;
template <class E>
class jhashTypedDatabaseTable;

// A register: one monitored value of the station, of one of four classes
// (object types BISTATE_REG, DIGITAL_REG, ANALOG_REG, STRING_REG, all kept
// in the station's one register table), with its alarm level, log strings,
// automatic controls and operator flags. What belongs to the class lives in
// the supplement the register owns, made when the class is set. A
// placeholder made by a reference has no class until a definition or a user
// that needs a class gives it one.
//
// Flags are -1 while not given, then 0 or 1; loading turns those not given
// into their defaults (auto and manual masking keep -1, which means on).
class gregister : public gtitledObject, public greferrer {
public:
    enum : int32_t { levelNotSet = 0, levelNone = 1, levelStatus = 2, levelAlarm = 3, levelLatchingAlarm = 4 };
    // The log strings, in file order.
    enum logString : int { onLog, offLog, acknowledgeLog, maskLog, unmaskLog, logStringCount };
    // The automatic controls, in file order.
    enum control : int { onControl, offControl, acknowledgeControl, maskControl, unmaskControl, valueControl,
                         controlCount };

    gregister();
    // The duplicate: tag, title, class, every field, the controls that run a
    // program (listed as users of their programs) and a clone of the
    // supplement; its own empty list of users.
    gregister(const gregister& other);
    gregister& operator=(const gregister&) = delete;
    ~gregister() override;

    // The object type of a definition sets the class (setClass).
    void setObjectType(const gobjectType& type) override;
    // Sets the class and makes its supplement, once: a class already set
    // stays. A supplement without a class is an internal fault.
    void setClass(const gobjectType& type);
    const gobjectType* getObjectType() const override { return class_; }
    // 1 bistate, 2 digital, 3 analog, 4 string, 0 none.
    static int classCode(const gregister& reg);

    // The supplement of the getter's class, made (and the class set) when
    // the register has no class yet; null for a register of another class.
    gbistateSupplement* getBistateSupplement();
    gdigitalSupplement* getDigitalSupplement();
    ganalogSupplement* getAnalogSupplement();
    gstringSupplement* getStringSupplement();
    // Null while no class is set.
    gregisterSupplement* getSupplement() const noexcept { return supplement_.get(); }

    // The alarm level: 0 not set, 1 NONE, 2 STATUS, 3 ALARM, 4 LATCHING ALARM.
    static int getLevel(const gregister& reg) { return reg.level_; }
    int32_t getLevel() const noexcept { return level_; }
    void setLevel(int32_t level) noexcept { level_ = level; }
    // 1 FILE ONLY, 0 normal.
    int32_t getLogMode() const noexcept { return logMode_; }
    void setLogMode(int32_t mode) noexcept { logMode_ = mode; }
    // 1: the value is not sent over the network.
    int32_t getLocal() const noexcept { return local_; }
    void setLocal(int32_t flag) noexcept { local_ = flag; }
    int32_t getNewLogStrings() const noexcept { return newLogStrings_; }
    void setNewLogStrings(int32_t flag) noexcept { newLogStrings_ = flag; }
    // 1: the operator may change the title (SET_TITLE).
    int32_t getUserDefinable() const noexcept { return userDefinable_; }
    void setUserDefinable(int32_t flag) noexcept { userDefinable_ = flag; }
    int32_t getAskToMask() const noexcept { return askToMask_; }
    void setAskToMask(int32_t flag) noexcept { askToMask_ = flag; }
    int32_t getConfigureLogStrings() const noexcept { return configureLogStrings_; }
    void setConfigureLogStrings(int32_t flag) noexcept { configureLogStrings_ = flag; }
    int32_t getAutoMask() const noexcept { return autoMask_; }
    void setAutoMask(int32_t flag) noexcept { autoMask_ = flag; }
    int32_t getManualMask() const noexcept { return manualMask_; }
    void setManualMask(int32_t flag) noexcept { manualMask_ = flag; }
    int32_t getHidden() const noexcept { return hidden_; }
    void setHidden(int32_t flag) noexcept { hidden_ = flag; }

    // Not set: the run-time program's default text; set and empty: no log
    // entry; otherwise the custom text, each '%' standing for the name.
    const gstr& getLogString(logString which) const noexcept { return logStrings_[which]; }
    // Takes over the text (which is left not set); a text not set makes the
    // log string not set.
    void setLogString(logString which, gstr& text) noexcept;

    const gprocessorCall& getControl(control which) const noexcept { return controls_[which]; }
    const gprocessorCall& getValueControl() const noexcept { return controls_[valueControl]; }
    // Copies the call and lists the register among its program's users (or
    // drops the old program's listing when the call has none).
    void setControl(control which, const gprocessorCall& call);

    // The source's type code (1 to 29), 0 without a source.
    int sourceTypeCode() const;
    // Copy Register Sources from another register (nothing from itself).
    void copySourceFrom(const gregister& other);
    // The registers are about to be deleted; a source they leave useless is
    // dropped.
    void dropSourceIfEmptied(const gregisterSet& registers);
    // The Modify/Duplicate Registers find and replace in the title, the log
    // strings, the controls' programs and arguments, and the supplement;
    // lines about programs that do not exist go to log. The number of
    // replacements.
    int replaceText(const gregisterBatchOptions& options, gstr& log,
                    jhashTypedDatabaseTable<gregister>* newRegisters);

    // "The register <title>".
    void describeReferrer(gstr& text) const override;
    gusedByList& usedBy() noexcept { return usedBy_; }
    const gusedByList& usedBy() const noexcept { return usedBy_; }
    gregister* clone() const { return new gregister(*this); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

private:
    template <class S>
    S* supplementOfClass(const gobjectType& type, const char* fault);
    gloadStatus loadLevel(const gstr& value);
    gloadStatus loadLogString(logString which, const gstr& value);
    gloadStatus loadControl(control which, const gstr& value, bool tagAllowed);
    void writeFlags(CObjectFile& file, int indent) const;

    const gobjectType* class_ = nullptr;
    int32_t level_ = levelNotSet;
    int32_t logMode_ = -1;
    int32_t local_ = -1;
    gstr logStrings_[logStringCount];
    int32_t newLogStrings_ = -1;
    gprocessorCall controls_[controlCount];
    gusesList controlUses_[controlCount]{gusesList(this), gusesList(this), gusesList(this),
                                         gusesList(this), gusesList(this), gusesList(this)};
    int32_t userDefinable_ = -1;
    int32_t askToMask_ = -1;
    int32_t configureLogStrings_ = -1;
    int32_t autoMask_ = -1;
    int32_t manualMask_ = -1;
    int32_t hidden_ = -1;
    std::unique_ptr<gregisterSupplement> supplement_;
    gusedByList usedBy_;
};
