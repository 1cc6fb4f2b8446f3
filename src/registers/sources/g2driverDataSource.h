#pragma once

// A source of a G2 data object's value. The kinds of sources come with the
// register sources; so far it is the question whether a kind may serve a
// data object of a type.
class g2driverDataSource {
public:
    virtual ~g2driverDataSource() = default;

    // Whether a source of this kind may serve a data object of the type (1
    // bistate, 2 digital, 3 analog, 4 string); asked before a new source is
    // attached and when the data object's type changes.
    virtual int acceptsObjectType(int typeCode) const = 0;
};
