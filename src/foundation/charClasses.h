#pragma once

// Character classes of the neutral locale. The run-time library's classes
// change with the process locale, which the window layer sets from the
// environment; station files must not.
namespace charClass {

constexpr bool isWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool isPrintable(char c)
{
    return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) <= 0x7E;
}

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

constexpr bool isLower(char c) { return c >= 'a' && c <= 'z'; }

constexpr bool isAlpha(char c) { return isUpper(c) || isLower(c); }

constexpr bool isAlnum(char c) { return isAlpha(c) || isDigit(c); }

constexpr bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

constexpr char toUpper(char c) { return isLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr char toLower(char c) { return isUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace charClass
