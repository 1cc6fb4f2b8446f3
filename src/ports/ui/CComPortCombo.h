#pragma once

#include <QComboBox>

#include <string>

// The combo box of COM devices in the Edit Serial Port dialog and the Test
// Port: made for its dialog control, it lists the serial devices the system
// reports. The folder of the terminal class is a parameter for tests.
class CComPortCombo : public QComboBox {
public:
    explicit CComPortCombo(QWidget* parent = nullptr, const char* classFolder = "/sys/class/tty");

    // Adds one item per serial device, the device's path as its text.
    void fill();

private:
    std::string classFolder_;
};
