#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/ui/CSourcePane.h"

#include <cstdint>
#include <vector>

class glegacyDriver;
class gregisterSource;
class glegacyResponse;
class gserialPort;
class gsourceSerialInterface;
class gsourceSerialTypedInterface;

// The upper part that the panes of the legacy-device kinds share: the data
// location (port, device, data buffer, search key, offset, fixed length).
// The pane keeps the saved location (from the source, written back on OK)
// and the working one (what the controls show). A kind's pane builds its
// template with addLocationControls, then calls the helpers from its pane
// operations in this order: loadLocation (existing source), initLocation
// (create), validateLocation and commitLocation (validate), applyLocation
// (apply).
class CLegacySourcePane : public CSourcePane {
public:
    static constexpr int portId = 1376;
    static constexpr int deviceId = 1207;
    static constexpr int dataBufferId = 1406;
    static constexpr int useKeyId = 1563;
    static constexpr int keyId = 1564;
    static constexpr int offsetId = 1349;
    static constexpr int fixedLengthId = 1565;
    static constexpr int lengthId = 1566;

    // The message of a pane that finds no port.
    static constexpr int noPortsMessage = 10186;

protected:
    explicit CLegacySourcePane(int templateId);

    // The shared controls from the top of the pane; the first free row
    // below them (dialog units).
    int addLocationControls();
    // The saved location from an existing source.
    void loadLocation(const gsourceSerialInterface& location);
    // Fills the controls; false (after the message of the id, the pane's
    // window gone) when the station has no port.
    bool initLocation(int messageId);
    // The checks of the shared part on OK; their results in the working
    // values.
    bool validateLocation();
    void commitLocation();
    // The saved key moves into the location, which then takes the saved
    // port, response, offset and length.
    void applyLocation(gsourceSerialInterface& location);

    // What the length field's spin allows while the length is fixed.
    void setLengthRange(int32_t minimum, int32_t maximum);
    // "&Fixed length:" checked as by a click: the field enabled, 1 when it
    // is empty.
    void fixLength();
    int32_t workingLength() const noexcept { return workingLength_; }
    // The length last saved: the one read from the location, until OK.
    int32_t savedLength() const noexcept { return length_; }

private:
    void fillPorts();
    void fillDevices();
    void fillDataBuffers();
    void portChosen();
    void deviceChosen();
    void dataBufferChosen();
    void fixedLengthClicked();
    bool validateKey();

    // Saved.
    int32_t length_ = 0;
    int32_t offset_ = 0;
    gregexp key_{false};
    gserialPort* port_ = nullptr;
    glegacyResponse* response_ = nullptr;
    // Working.
    int32_t workingLength_ = 0;
    int32_t workingOffset_ = 0;
    gregexp workingKey_{false};
    gserialPort* workingPort_ = nullptr;
    glegacyDriver* workingDriver_ = nullptr;
    glegacyResponse* workingResponse_ = nullptr;
    // What the rows of the three lists stand for.
    std::vector<gserialPort*> ports_;
    std::vector<glegacyDriver*> drivers_;
    std::vector<glegacyResponse*> responses_;
    bool filling_ = false;
};

// The typed location's pane part: the shared controls and the data type.
class CLegacyDataTypeSourcePane : public CLegacySourcePane {
public:
    static constexpr int dataTypeId = 1569;

protected:
    using CLegacySourcePane::CLegacySourcePane;

    // The shared controls and the data type list; the first free row.
    int addDataTypeControls();
    void loadDataType(const gsourceSerialTypedInterface& location);
    bool initDataType(int messageId);
    // The location's checks, then the length the data type needs.
    bool validateDataType();
    void commitDataType();
    void applyDataType(gsourceSerialTypedInterface& location);

private:
    void dataTypeChosen();
    void updateLengthRange();

    // A new pane reads decimal numbers.
    int32_t dataType_ = 8;
    int32_t workingDataType_ = 8;
};
