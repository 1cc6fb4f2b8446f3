#pragma once

#include "registers/sources/ui/CSourcePane.h"

#include <memory>
#include <vector>

class QComboBox;
class gdevice;
class glegacyDevice;
class gregisterSource;
class gserialPort;

// The pane of the timeout source: a serial port of the station, and one of
// its devices or "<all>" for every device of the port.
class CTimeoutSourcePane final : public CSourcePane {
public:
    static constexpr int portId = 1376;
    static constexpr int deviceId = 1207;

    CTimeoutSourcePane() : CSourcePane(621) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToBistate(gbistateSupplement& supplement) override;

private:
    struct deviceEntry {
        gdevice* device = nullptr;
        glegacyDevice* legacyDevice = nullptr;
    };

    QComboBox& ports() const;
    QComboBox& devices() const;
    gserialPort* selectedPort() const;
    // The selected entry of the device list; both null for "<all>".
    deviceEntry selectedDevice() const;
    void fillDevices();
    void addDevice(const deviceEntry& entry);
    void portChanged();

    gserialPort* port_ = nullptr;
    gdevice* device_ = nullptr;
    glegacyDevice* legacyDevice_ = nullptr;
    // The devices behind the device list's entries after "<all>".
    std::vector<deviceEntry> entries_;
};
