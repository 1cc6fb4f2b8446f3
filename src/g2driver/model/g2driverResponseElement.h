#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class g2serialTransaction;
class gregexp;
class jhashNamedObjectTable;

// One element of a command template's valid or error response: what a serial
// transaction asks of it while it locates the response in the bytes received.
// An element either offers a pattern, which the transaction locates itself,
// or decodes the bytes at the cursor on its own. The kinds of element come
// with the G2 driver model.
class g2driverResponseElement {
public:
    // Answers of decode.
    static constexpr int decoded = 0;
    static constexpr int badData = 2;
    // Any other answer: not enough data yet.
    static constexpr int needMore = 1;

    g2driverResponseElement() = default;
    g2driverResponseElement(const g2driverResponseElement&) = delete;
    g2driverResponseElement& operator=(const g2driverResponseElement&) = delete;
    virtual ~g2driverResponseElement() = default;

    // The text the response list shows for the element.
    virtual void getLabel(gstr& text) const = 0;
    // Whether the element carries a CONDITION, and whether it holds against
    // the values decoded so far (a value name that is missing makes it false).
    virtual bool hasCondition() const { return false; }
    virtual bool conditionHolds(const jhashNamedObjectTable& values) const;
    // The pattern to locate, or null for an element that decodes.
    virtual const gregexp* getPattern() const { return nullptr; }
    // Decodes at cursor, with left bytes available: decoded (cursor moved
    // past the bytes taken), badData, or any other answer for not enough
    // data. Value elements hand what they decode to the transaction.
    virtual int decode(g2serialTransaction& transaction, const char*& cursor, int32_t left);
    // True for error-code elements whose flag is set.
    virtual bool isErrorIndication() const { return false; }
};
