#include "ports/comPortList.h"
#include "ports/gcomPort.h"
#include "ports/gserialPort.h"
#include "ptyDevice.h"
#include "store/storeFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/ioctl.h>
#include <termios.h>

namespace {

TEST(comPort, DeviceNamesStandForPaths)
{
    const std::pair<const char*, const char*> rows[] = {
        {"COM1", "/dev/ttyS0"},   {"com12", "/dev/ttyS11"},         {"COM0", "/dev/COM0"},
        {"COMx", "/dev/COMx"},    {"ttyUSB0", "/dev/ttyUSB0"},      {"/dev/pts/3", "/dev/pts/3"},
        {"", ""},
    };
    for (const auto& [name, path] : rows)
        EXPECT_EQ(gcomPort::devicePath(name).view(), path) << name;
}

TEST(comPort, WhatIsNoTerminalDoesNotOpen)
{
    tempFolder folder;
    putFile(folder.path("plain"), "bytes");
    gcomPort port;
    for (std::string name : {std::string("/no/such/device"), folder.path("plain"), std::string("")}) {
        EXPECT_FALSE(port.open(gstrSlice(name.c_str()), 9600, 8, 0, 1, 0)) << name;
        EXPECT_EQ(port.handle(), -1);
    }
    // Nothing is written to a file that was named as a device.
    EXPECT_EQ(fileBytes(folder.path("plain")), "bytes");
}

termios settingsOf(const gcomPort& port)
{
    termios tio{};
    EXPECT_EQ(tcgetattr(port.handle(), &tio), 0);
    return tio;
}

TEST(comPort, SettingsMakeTheTerminalAttributes)
{
    termios tio{};
    tio.c_iflag = ICRNL | INPCK | IXANY;
    tio.c_oflag = OPOST;
    tio.c_lflag = ICANON | ECHO | ISIG;
    tio.c_cflag = CS8 | CRTSCTS;
    EXPECT_EQ(gcomPort::configure(tio, 19200, 7, 2, 2, 2), 0);
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B19200));
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS7));
    EXPECT_TRUE((tio.c_cflag & PARENB) && (tio.c_cflag & PARODD) && (tio.c_cflag & CSTOPB));
    EXPECT_TRUE((tio.c_cflag & CREAD) && (tio.c_cflag & CLOCAL));
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_FALSE(tio.c_oflag & OPOST);
    EXPECT_FALSE(tio.c_iflag & (ICRNL | INPCK | IXANY));
    // XON/XOFF both ways; RTS and DTR off.
    EXPECT_TRUE((tio.c_iflag & IXON) && (tio.c_iflag & IXOFF));
    EXPECT_FALSE(tio.c_cflag & CRTSCTS);

    EXPECT_EQ(gcomPort::configure(tio, 9600, 8, 1, 1, 1), TIOCM_RTS);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_TRUE((tio.c_cflag & PARENB) && !(tio.c_cflag & (PARODD | CSTOPB)));
    EXPECT_TRUE(tio.c_cflag & CRTSCTS);
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF));

    EXPECT_EQ(gcomPort::configure(tio, 9600, 8, 0, 1, 3), TIOCM_DTR);
    EXPECT_FALSE(tio.c_cflag & (PARENB | CRTSCTS));
    EXPECT_EQ(gcomPort::configure(tio, 9600, 8, 0, 1, 0), 0);

    // A rate the terminal interface lacks and settings out of range leave
    // what the device had.
    termios before = tio;
    EXPECT_EQ(gcomPort::configure(tio, 14400, 9, 5, 3, 7), -1);
    EXPECT_EQ(cfgetospeed(&tio), cfgetospeed(&before));
    EXPECT_EQ(tio.c_cflag, before.c_cflag);
    EXPECT_EQ(tio.c_iflag, before.c_iflag);
}

TEST(comPort, OpenPutsTheDeviceInRawMode)
{
    ptyDevice device;
    gcomPort port;
    ASSERT_TRUE(port.open(gstrSlice(device.path().c_str()), 19200, 8, 0, 1, 2));
    termios tio = settingsOf(port);
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B19200));
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_FALSE(tio.c_oflag & OPOST);
    EXPECT_TRUE((tio.c_iflag & IXON) && (tio.c_iflag & IXOFF));
}

TEST(comPort, DeviceIsUsedByOneAtATime)
{
    ptyDevice device;
    gcomPort first;
    gcomPort second;
    ASSERT_TRUE(first.open(gstrSlice(device.path().c_str()), 9600, 8, 0, 1, 0));
    EXPECT_FALSE(second.open(gstrSlice(device.path().c_str()), 9600, 8, 0, 1, 0));
    EXPECT_EQ(second.handle(), -1);
    first.close();
    EXPECT_EQ(first.handle(), -1);
    EXPECT_TRUE(second.open(gstrSlice(device.path().c_str()), 9600, 8, 0, 1, 0));
}

TEST(comPort, BytesBothWays)
{
    ptyDevice device;
    gcomPort port;
    ASSERT_TRUE(port.open(gstrSlice(device.path().c_str()), 9600, 8, 0, 1, 0));
    std::string command("R\r\n\0\x7f\xff", 6);
    EXPECT_TRUE(port.write(command.data(), static_cast<int32_t>(command.size())));
    EXPECT_EQ(device.received(), command);

    char byte = 0;
    EXPECT_FALSE(port.readByte(byte, 30));
    EXPECT_FALSE(port.readByte(byte, 30));
    device.send(std::string("\r\n\0", 3));
    std::string got;
    while (port.readByte(byte, 200))
        got += byte;
    EXPECT_EQ(got, std::string("\r\n\0", 3));
}

TEST(comPort, DeviceThatGoesAwayEndsTheRead)
{
    gcomPort port;
    {
        ptyDevice device;
        ASSERT_TRUE(port.open(gstrSlice(device.path().c_str()), 9600, 8, 0, 1, 0));
    }
    char byte = 0;
    EXPECT_FALSE(port.readByte(byte, 5000));
    EXPECT_FALSE(port.write("x", 1));
}

TEST(comPort, SerialPortOpensItsOwnDeviceWithItsSettings)
{
    ptyDevice device;
    gserialPort line;
    line.setDevicePath(gstrSlice(device.path().c_str()));
    line.setSettings(4800, 8, gserialPort::parityNone, 1);
    ASSERT_TRUE(line.openForTest());
    termios tio = settingsOf(line.comPort());
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B4800));
    line.writeForTest("AT\r");
    EXPECT_EQ(device.received(), "AT\r");
    line.closeForTest();
    EXPECT_FALSE(line.isOpenForTest());
    EXPECT_FALSE(line.openForTest("/no/such/device"));
}

TEST(comPortList, DevicesOfTheTerminalClassInNaturalOrder)
{
    tempFolder folder;
    namespace fs = std::filesystem;
    for (const char* name : {"ttyS10", "ttyS2", "ttyUSB0", "tty0", "ptmx", "ttyS1"})
        fs::create_directory(folder.dir() / name);
    for (const char* name : {"ttyS10", "ttyS2", "ttyUSB0", "ttyS1"})
        fs::create_directory_symlink(folder.dir(), folder.dir() / name / "device");
    std::vector<std::string> names;
    for (const gstr& path : comPortNames(folder.dir().c_str()))
        names.emplace_back(path.view());
    EXPECT_EQ(names, (std::vector<std::string>{"/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
    EXPECT_TRUE(comPortNames((folder.dir() / "missing").c_str()).empty());
}

} // namespace
