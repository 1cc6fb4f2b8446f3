#pragma once

#include "store/gprocessorCall.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"

// A serial port of the station (object type PORT). Device path, line
// settings, devices and polling come with the serial ports; so far it is its
// tag, title, the program run for a message received on the port and the
// port it is linked to.
class gserialPort : public gtitledObject, public greferrer {
public:
    gserialPort() = default;
    // A copy calls the same program and is linked to the same port.
    gserialPort(const gserialPort& other);

    const gobjectType* getObjectType() const override;
    gserialPort* clone() const { return new gserialPort(*this); }
    // "The serial port %s" with the title, else the tag.
    void describeReferrer(gstr& text) const override;

    const gprocessorCall& getMessageControl() const noexcept { return messageControl_; }
    // Copies the call and points the uses list at its program.
    void setMessageControl(const gprocessorCall& call);
    gserialPort* getLinkedPort() const noexcept { return linkedPort_; }
    void setLinkedPort(gserialPort* port) noexcept { linkedPort_ = port; }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;

private:
    void linkMessageControl();

    gprocessorCall messageControl_;
    gusesList messageControlUses_{this};
    // Kept and written back; nothing here gives it a meaning.
    gserialPort* linkedPort_ = nullptr;
};
