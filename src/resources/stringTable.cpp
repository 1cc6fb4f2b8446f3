#include "resources/stringTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    int id;
    const char* text;
};

// Kept sorted by id (checked at compile time below). Texts are quoted exactly
// as the program has always shown them, spelling included.
constexpr Entry entries[] = {
    {10002, "Alignment Tools"},
    {10005, "Arranging Tools"},
    {10038, "Drawing Tools"},
    {10048, "Edit Tools"},
    {10050, "The string contains a value greater than FF."},
    {10051, "The string entered is not a valid C-Style string."},
    {10060, "You do not have permission to open the file \"%1.\""},
    {10061, "The path \" %1\" is not valid."},
    {10062, "Could not open the file \"%1.\""},
    {10063, "A hardware error occured trying to open the file \"%1.\""},
    {10064, "Could not find the file \"%1.\""},
    {10065, "Could not open \"%1.\" Too many files are open already."},
    {10066, "An error occured accessing the file \"%1.\""},
    {10068, "Grid Tools"},
    {10116, "Load Images"},
    {10117, "Byte %d"},
    {10144, "Name"},
    {10157, "New Object Tools"},
    {10204, "Station Files|*.korvel-station;*.stn|All Files|*.*||"},
    {10205, "Device Driver Libraries|*.korvel-drivers;*.kdl|All Files|*.*||"},
    {10206, "Station Files|*.korvel-station;*.stn|Device Driver Libraries|*.korvel-drivers;*.kdl|K.O.R.V.E.L. "
            "Files|*.korvel-station;*.stn;*.korvel-drivers;*.kdl|All Files|*.*||"},
    {10207, "Device Driver Libraries|*.korvel-drivers;*.kdl|Station Files|*.korvel-station;*.stn|K.O.R.V.E.L. "
            "Files|*.korvel-drivers;*.kdl;*.korvel-station;*.stn|All Files|*.*||"},
    {10208, "Image Libraries|*.korvel-images;*.kil|All Files|*.*||"},
    {10223, "<None>"},
    {10224, "Drawing Properties"},
    {10241, "Station File|*.korvel-station;*.stn||"},
    {10242, "Device Driver Library|*.korvel-drivers;*.kdl||"},
    {10243, "Station File|*.korvel-station;*.stn|Device Driver Library|*.korvel-drivers;*.kdl||"},
    {10244, "Device Driver Library|*.korvel-drivers;*.kdl|Station File|*.korvel-station;*.stn||"},
    {10245, "Image Library|*.korvel-images;*.kil||"},
    {10301, "Tag"},
    {10304, "Main Tool Bar"},
    {10305, "Transformation Tools"},
    {10306, "Could not find the K.O.R.V.E.L. Marrowick."},
    {10307, "Object Lists"},
    {10365, "SCL Language.hlp"},
    {10367, "Device Drivers.hlp"},
    {10379, "Quillane.hlp"},
    {10399, "[test(\"%1\")]"},
    {10498, "Legacy"},
    {20009, "command in device driver %s"},
    {20010, "The command %s"},
    {20011, "The command %s in device driver %s"},
    {20012, "A command element"},
    {20017, "command template in device driver %s"},
    {20019, " \xB7 10 "}, // a middle dot in Windows-1252
    {20024, "You cannot delete this item because it is used by the following:\n"},
    {20026, "device driver"},
    {20028, "The device %s in serial port %s"},
    {20030, "You cannot change the tag of this this object because it is used by the following:\n"},
    {20031, "The command template %s in device driver %s"},
    {20036, "%d bistate parameter bits"},
    {20038, "You cannot change the command template because it is used by the following:\n"},
    {20039, "You cannot change the device driver because it is used by the following:\n"},
    {20040, "Checksum"},
    {20041, "Checksum"},
    {20042, "Command element number %d"},
    {20043, "parameter in command %s of device driver %s "},
    {20044, "response data in command template %s of device driver %s "},
    {20045, "The command template %s"},
    {20046, "error response value in command template %s of device driver %s "},
    {20047, "parameter in command template %s of device driver %s "},
    {20048, "response value in command template %s of device driver %s "},
    {20051, "parameter in device driver %s "},
    {20052, "error code in device driver %s "},
    {20054, "\"%s\""},
    {20055, "You cannot change the type of this this object because it is used by the following:\n"},
    {20057, "The initialization sequence"},
    {20058, "The initialization sequence of device %s"},
    {20059, "The initialization sequence of device %s in serial port %s"},
    {20060, "The initialization sequence of legacy device %s"},
    {20061, "The initialization sequence of legacy device %s in serial port %s"},
    {20062, "Data length"},
    {20066, "You cannot change this data object's type because it is used by the following:"},
    {20067, "You cannot set this data object to internal type because it is used by the following from outside the driver:"},
    {20068, "data object in device driver %s"},
    {20069, "The data object %s"},
    {20070, "The data object %s in device driver %s"},
    {20071, "parameter in data object %s of device driver %s "},
    {20075, "program in device driver %s"},
    {20076, "\"%s\""},
    {20078, "The polling sequence"},
    {20079, "The polling sequence of serial port %s"},
    {20081, "One bistate parameter bit"},
    {20089, "image"},
    {20093, "legacy device driver"},
    {20094, "legacy data mask"},
    {20099, "legacy device in serial port %s"},
    {20100, " on line %d of file %s."},
    {20101, "Unknown object type"},
    {20102, "Object type not allowed in device driver library"},
    {20103, "Unknown field identifier"},
    {20104, "Invalid object name"},
    {20105, "Invalid field value"},
    {20106, "Missing object name"},
    {20107, "Missing field value"},
    {20108, "Missing \"END\""},
    {20109, "Object already exists"},
    {20110, "Field has already been loaded"},
    {20111, "Incomplete or inconsistent object"},
    {20112, "Register was already referenced as a different type"},
    {20113, "Invalid SNMP register source"},
    {20114, "The following non-existent objects were referenced by other objects:\n"},
    {20115,
     "######################################\n"
     "#                                    #\n"
     "#                                    #\n"
     "#     K.O.R.V.E.L. station file      #\n"
     "#                                    #\n"
     "# This  file is  machine  generated. #\n"
     "# Please do not edit, as the content #\n"
     "# may be permanently damaged.        #\n"
     "######################################\n"
     "\n"},
    {20160, "off"},
    {20161, "on"},
    {20168, "parameter"},
    {20173, "serial port"},
    {20174, "The serial port %s"},
    {20175, "SCL program"},
    {20177, "register"},
    {20183, "A response element"},
    {20194, "SABus Request"},
    {20200, "screen"},
    {20204, "device in serial port %s"},
    {20211, "You cannot clear this check box because the parameter is used by the following:\n"},
    {20216, "\n %s: \"%s\""},
    // The framework's name of a station without a file.
    {20228, "%.10Gs delay"},
    {61443, "Untitled"},
    // The framework's question before a modified file is discarded.
    {61699, "Save changes to %1?"},
};

constexpr bool sortedById()
{
    for (size_t i = 1; i < std::size(entries); ++i) {
        if (entries[i - 1].id >= entries[i].id)
            return false;
    }
    return true;
}
static_assert(sortedById(), "string table entries must be sorted by id, each id once");

} // namespace

const char* stringTableText(int id)
{
    const auto* it = std::lower_bound(std::begin(entries), std::end(entries), id,
                                      [](const Entry& e, int key) { return e.id < key; });
    if (it == std::end(entries) || it->id != id)
        return nullptr;
    return it->text;
}
