#pragma once

#include "store/gtitledObject.h"
#include "store/gusedByList.h"

// A register of one of the four kinds (object types BISTATE_REG, DIGITAL_REG,
// ANALOG_REG, STRING_REG), all kept in the station's one register table. A
// placeholder made by a reference has no kind until its definition names one.
// Log strings, sources and the rest come with the registers; so far it is its
// tag, title, kind, alarm level and the list of its users.
class gregister : public gtitledObject {
public:
    gregister() = default;
    // A copy has its own (empty) list of users.
    gregister(const gregister& other) = default;

    // Takes the kind from the type once; a kind already set stays.
    void setObjectType(const gobjectType& type) override;
    const gobjectType* getObjectType() const override { return class_; }
    // 1 bistate, 2 digital, 3 analog, 4 string, 0 none.
    static int classCode(const gregister& reg);
    // The alarm level: 0 unset, 1 NONE, 2 STATUS, 3 ALARM, 4 LATCHING ALARM.
    static int getLevel(const gregister& reg) { return reg.level_; }
    void setLevel(int level) noexcept { level_ = level; }

    gusedByList& usedBy() noexcept { return usedBy_; }
    gregister* clone() const { return new gregister(*this); }

private:
    const gobjectType* class_ = nullptr;
    int level_ = 0;
    gusedByList usedBy_;
};
