#pragma once

#include <span>

// The kinds of register sources by type code (0 no source, 1 to 29), the
// keyword that follows SOURCE in a station file for each, and which kinds
// each register class (1 bistate, 2 digital, 3 analog, 4 string) accepts.
// One keyword names different kinds in different classes: "G2 PARAMETER"
// is code 1, 2, 3 or 4 by class.
namespace gsourceType {
constexpr int none = 0;
constexpr int lastCode = 29;
} // namespace gsourceType

// The keyword token after SOURCE for a type code; throws gfault for a code
// outside 1 to 29.
int sourceTypeKeyword(int typeCode);
// The type code that the keyword gives in the register class, or 0 when the
// class does not accept it.
int sourceTypeOfKeyword(int classCode, int keywordToken);
// Whether a register of the class may hold a source of the type code.
bool classAcceptsSourceType(int classCode, int typeCode);
// The string id of the kind's display name ("Parameter source", ...); 0 no
// source gives "<No source>"; 0 for a code outside 0 to 29.
int sourceTypeNameId(int typeCode);
// The type codes a register dialog of the class offers, in the order of its
// source-type list (before the legacy kinds are left out).
std::span<const int> sourceTypesOfClass(int classCode);
