#pragma once

#include <unordered_set>

class gregister;

// Registers to ask of many others whether they are among them: deleting many
// registers asks every summary of the station about each register it lists.
class gregisterSet : public std::unordered_set<const gregister*> {
public:
    using std::unordered_set<const gregister*>::unordered_set;
};
