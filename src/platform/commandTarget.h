#pragma once

#include "foundation/gstr.h"

#include <functional>
#include <map>

// Commands are numbers, as menu items, toolbar buttons and accelerators send
// them. The main frame offers each command to the active view, its document,
// the frame and the application in turn; the first target that takes it runs
// it. Menu items and buttons show the state that the first target that
// decides it gives; a command nobody takes is disabled.
struct commandState {
    int id = 0;
    bool enabled = false;
    bool checked = false;
    // Set by a target that gives a text (status panes).
    bool hasText = false;
    // The text holds a path (a recent file): it shows decoded as a path,
    // not as model text.
    bool textIsPath = false;
    gstr text;

    void enable(bool on = true) { enabled = on; }
    void setCheck(bool on) { checked = on; }
    void setText(const gstrSlice& t)
    {
        text.assign(t);
        hasText = true;
    }
    void setPathText(const gstrSlice& t)
    {
        setText(t);
        textIsPath = true;
    }
};

class commandTarget {
public:
    virtual ~commandTarget() = default;
    // True when this target ran the command.
    virtual bool onCommand(int id) = 0;
    // True when this target decided the state.
    virtual bool onUpdateCommand(commandState& state) = 0;
};

// A target made of handlers. A command with a handler and no update handler
// is enabled; an update handler alone decides a state without running a
// command (status panes, fallbacks).
class commandMap final : public commandTarget {
public:
    using runHandler = std::function<void()>;
    using updateHandler = std::function<void(commandState&)>;

    void on(int id, runHandler run, updateHandler update = {});
    void onUpdate(int id, updateHandler update);
    // Commands first to last, each run with its own id.
    void onRange(int first, int last, std::function<void(int)> run, updateHandler update = {});

    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;

private:
    struct entry {
        runHandler run;
        updateHandler update;
    };
    std::map<int, entry> entries_;
};
