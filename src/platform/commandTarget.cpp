#include "platform/commandTarget.h"

void commandMap::on(int id, runHandler run, updateHandler update)
{
    entry& e = entries_[id];
    e.run = std::move(run);
    if (update)
        e.update = std::move(update);
}

void commandMap::onUpdate(int id, updateHandler update) { entries_[id].update = std::move(update); }

void commandMap::onRange(int first, int last, std::function<void(int)> run, updateHandler update)
{
    for (int id = first; id <= last; ++id)
        on(id, [run, id] { run(id); }, update);
}

bool commandMap::onCommand(int id)
{
    auto it = entries_.find(id);
    if (it == entries_.end() || !it->second.run)
        return false;
    // The handler may change this map; run a copy.
    runHandler run = it->second.run;
    run();
    return true;
}

bool commandMap::onUpdateCommand(commandState& state)
{
    auto it = entries_.find(state.id);
    if (it == entries_.end())
        return false;
    if (it->second.update)
        it->second.update(state);
    else
        state.enable();
    return true;
}
