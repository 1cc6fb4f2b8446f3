#pragma once

#include "store/gstorable.h"

#include <memory>

class gregisterSource;
class gregisterSupplement;

// Makes the empty source of a type code for a supplement of a register
// class that accepts it; null for a code the class does not accept. Each
// kind's class is one entry of the table in gregisterSourceFactory.cpp.
std::unique_ptr<gregisterSource> makeRegisterSource(int classCode, int typeCode, gregisterSupplement& owner);

// The SOURCE line of a supplement of the class: the value must be exactly
// one source keyword (any letter case, bare or quoted) that the class
// accepts. Answers invalid with no source, or accepted with the new empty
// source in made.
gloadStatus readSourceLine(int classCode, const gstr& value, gregisterSupplement& owner,
                           std::unique_ptr<gregisterSource>& made);
