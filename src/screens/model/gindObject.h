#pragma once

#include "screens/model/ggraphObject.h"
#include "store/gusedByList.h"

#include <functional>

class gregister;

// A graphic object bound to a register: it is listed among the register's
// users (so the register cannot be deleted while the object exists) and
// describes itself in the in-use messages with a text of its class and the
// screen's title. The object keeps the register, or one of its class parts,
// as a pointer and writes the register's current tag.
class gindObject : public ggraphObject, public greferrer {
public:
    explicit gindObject(fscreen* screen) noexcept : ggraphObject(screen) {}
    gindObject(const gindObject& source, int32_t dx, int32_t dy, fscreen* screen) : ggraphObject(source, dx, dy, screen)
    {
    }
    ~gindObject() override;

    // Appends "A ... on screen <title>".
    void describeReferrer(gstr& text) const override;
    // The string-table id of that description.
    virtual int descriptionId() const = 0;

protected:
    // Points the uses list at the register (none: empties it).
    void linkRegister(gregister* reg);
    // Points it at every register given (nulls skipped).
    void linkRegisters(std::initializer_list<gregister*> registers);
    // Change Screen Objects on one register reference: one replacement in a
    // copy of the tag; the register of the new tag, when bind accepts it,
    // replaces the old one (1); otherwise a line goes to the log naming the
    // new tag and the register that stays. wrongClassId: the log text for a
    // register of another class (0: any class binds).
    int rebindByTag(const gscreenBatchChange& change, gstr& log, const gregister* current, int wrongClassId,
                    const std::function<bool(gregister&)>& bind);

    gusesList uses_{this};
};

// The register of a tag, a placeholder being made when it is not defined
// yet; null for an empty tag.
gregister* referenceRegister(const gstr& tag);
// A REGISTER value that is one non-empty tag: the register or null.
gregister* readRegisterTag(const gstr& value);
// The register's title, its tag when it has none; empty for no register.
const gstr& registerTitle(const gregister* reg);
// The register's alarm level; 0 for no register.
int registerLevel(const gregister* reg);
