#pragma once

#include "store/gtitledObject.h"

// A screen (object type SCREEN). Its graphic objects come with the screen
// model; so far it is its tag and title.
class fscreen : public gtitledObject {
public:
    fscreen() = default;

    const gobjectType* getObjectType() const override;
    fscreen* clone() const { return new fscreen(*this); }

    // Unlinks and deletes every graphic object; closing a station calls it
    // for every screen before the tables are emptied.
    void deleteAllObjects() {}
};
