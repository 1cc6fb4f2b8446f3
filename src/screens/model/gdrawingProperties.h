#pragma once

#include "screens/model/gpropSets.h"

class fscreen;
class gregister;
class gsclProgram;

// The twelve property sets with a user level. One process-wide instance is
// the drawing defaults, what newly drawn objects get; every screen holds one
// more, the gathered properties of its selection.
class gdrawingProperties {
public:
    gpropStatic staticSet;
    gprop3dRect rect3d;
    gpropBistate bistate;
    gpropMultistate multistate;
    gpropAnalog analog;
    gpropDial dial;
    gpropGraph graph;
    gpropDigital digital;
    gpropString string;
    gpropMarker marker;
    gpropControl control;
    gpropLabel label;
    // 1 to 13, the user level a new object gets.
    gtriInt userLevel;

    // User level 1, every set its defaults.
    void reset();
    // Everything unset.
    void clearAll();
    // Whether the drawing tool may make an object: tools 4 to 13 need their
    // set complete, the others always may.
    bool isComplete(int tool) const;
    // Get Properties From Selection: every value the other record has, the
    // user level excepted.
    void mergeFrom(const gdrawingProperties& other);
    // Closing a station: the sets keep the tags of what they refer to and
    // drop the references; loading one finds them again by tag.
    void detachReferences();
    void reattachReferences();
    void resolveImages();
    void forgetRegister(const gregister* deleted);
    void forgetScreen(const fscreen* deleted) { control.forgetScreen(deleted); }
    void forgetProgram(const gsclProgram* deleted) { control.forgetProgram(deleted); }
};

// The drawing defaults.
gdrawingProperties& drawingDefaults();
// The user level a new object gets: the defaults' when they hold one, else
// 1.
int32_t defaultUserLevel();
