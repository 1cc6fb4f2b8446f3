#pragma once

#include <cstdint>

// The five kinds of SCL encoders and decoders; the same numbers and keywords
// serve both.
namespace gcoderKind {

constexpr int bistate = 1;
constexpr int digitalNumber = 2;
constexpr int digitalStrings = 3;
constexpr int analogNumber = 4;
constexpr int string = 5;

// The kind a keyword token names, or 0 when it names none.
int fromToken(int token) noexcept;
// The keyword token of a kind (1 to 5).
int keywordToken(int kind);

} // namespace gcoderKind
