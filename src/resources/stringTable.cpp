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
    {401, "Default\nNormal\nBold\nItalic"},
    {402, "System Window Colour"},
    {403, "System Text Colour"},
    {404, "Default"},
    {10002, "Alignment Tools"},
    {10005, "Arranging Tools"},
    {10013, "This register has never been calibrated. To import calibration data, you must first calibrate the "
            "register from within the marrowick."},
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
    {10069, "Please enter a line number between 1 and %d."},
    {10076, "Please enter a number for the raw value."},
    {10077, "Please enter a number for the calibrated value."},
    {10082, "Please enter a value between 0 and 4294967295."},
    {10116, "Load Images"},
    {10117, "Byte %d"},
    {10144, "Name"},
    {10157, "New Object Tools"},
    {10180, "You haven't created any programs yet."},
    {10204, "Station Files|*.korvel-station;*.stn|All Files|*.*||"},
    {10205, "Device Driver Libraries|*.korvel-drivers;*.kdl|All Files|*.*||"},
    {10206, "Station Files|*.korvel-station;*.stn|Device Driver Libraries|*.korvel-drivers;*.kdl|K.O.R.V.E.L. "
            "Files|*.korvel-station;*.stn;*.korvel-drivers;*.kdl|All Files|*.*||"},
    {10207, "Device Driver Libraries|*.korvel-drivers;*.kdl|Station Files|*.korvel-station;*.stn|K.O.R.V.E.L. "
            "Files|*.korvel-drivers;*.kdl;*.korvel-station;*.stn|All Files|*.*||"},
    {10208, "Image Libraries|*.korvel-images;*.kil|All Files|*.*||"},
    {10223, "<None>"},
    {10224, "Drawing Properties"},
    {10227, "An argument with the same name already exists. Would you like to replace it?"},
    {10229, "You have already defined a control for that value. Would you like to replace it?"},
    {10241, "Station File|*.korvel-station;*.stn||"},
    {10242, "Device Driver Library|*.korvel-drivers;*.kdl||"},
    {10243, "Station File|*.korvel-station;*.stn|Device Driver Library|*.korvel-drivers;*.kdl||"},
    {10244, "Device Driver Library|*.korvel-drivers;*.kdl|Station File|*.korvel-station;*.stn||"},
    {10245, "Image Library|*.korvel-images;*.kil||"},
    {10248, "%s minutes after the hour"},
    {10249, "%s minutes after the hour on %s"},
    {10250, "%s minutes after the hour on %s, day %s of the month"},
    {10251, "%s minutes after %s "},
    {10252, "%s minutes after %s on %s"},
    {10253, "%s minutes after %s on %s, day %s of the month"},
    {10254, "%s minutes after %s on day %s of the month"},
    {10255, "%s minutes after the hour on day %s of the month"},
    {10256, "Background colour\nPlain text\nLine numbers\nRemarks\nOperators\nNumbers\nString literals\nConstants\n"
            "Commands\nFunctions\nNumerical variables\nString variables\nBoolean variables\nReserved variables\n"
            "Special variables\nDatabase Object\nIllegal text"},
    {10269, "Pleaser enter a number betweed 0 and 2147483647 for the implied decimals."},
    {10301, "Tag"},
    {10303, "Please enter a number in the offset field."},
    {10304, "Main Tool Bar"},
    {10305, "Transformation Tools"},
    {10306, "Could not find the K.O.R.V.E.L. Marrowick."},
    {10307, "Object Lists"},
    {10310, "Mon"},
    {10311, "Tue"},
    {10312, "Wed"},
    {10313, "Thu"},
    {10314, "Fri"},
    {10315, "Sat"},
    {10316, "Sun"},
    {10365, "SCL Language.hlp"},
    {10367, "Device Drivers.hlp"},
    {10375, "Select Encoder Type"},
    {10377, "You have already defined a decoder with that number. Would you like to replace it?"},
    {10379, "Quillane.hlp"},
    {10393, "Please enter a number in the factor field."},
    {10399, "[test(\"%1\")]"},
    {10439, "Edit Value Control"},
    {10498, "Legacy"},
    {10518, "Please enter a string for either the off or the on state."},
    {10519, "Please enter a single character or escape sequence for the plus sign."},
    {10520, "Please enter a single character or escape sequence for the minus sign."},
    {10521, "Please enter a single character or escape sequence for the thousands separator."},
    {10522, "Please enter a single character or escape sequence for the decimal marker."},
    {10523, "Please enter a single character or escape sequence for the padding character."},
    {10524, "Please enter a width between 1 and 2147483647."},
    {10525, "Please enter a number of decimals between 0 and 2147483647."},
    {10526, "Please enter a number of digits between 1 and 2147483647 for the exponent."},
    {10527, "Please enter a number of non-decimal digits between 0 and 2147483647 for the mantissa"},
    {10528, "The multibyte encodings must have a fixed width between 2 and 4."},
    {10529, "The byte and signed byte encodings must have a fixed width of 1."},
    {10530, "The BCD encoding needs a fixed width."},
    {10531, "The fixed width you specified is not enough to hold all the data required."},
    {10539, "Please enter a single character or escape sequence for the replacement character."},
    {10543, "Please enter all the characters allowed as leading characters."},
    {10544, "Please enter all the characters allowed as trailing characters."},
    {10545, "The leading characters you entered contain an invalid \\ escape sequence."},
    {10546, "The trailing characters you entered contain an invalid \\ escape sequence."},
    {10547, "The prefix you entered is not a valid regular expression."},
    {10548, "The suffix you entered is not a valid regular expression."},
    {10549, "Please enter a pattern."},
    {10550, "The pattern you entered is not a valid regular expression."},
    {10551, "Please enter a pattern for the off state."},
    {10552, "Please enter a pattern for the on state."},
    {10553, "The pattern you entered for the off state is not a valid regular expression."},
    {10554, "The pattern you entered for the on state is not a valid regular expression."},
    {10590, "Please specify a string for at least one value."},
    {10591, "Edit Value String"},
    {10592, "You have already defined a string for that value. Would you like to replace it?"},
    {10593, "The pattern you entered is not a valid regular expression."},
    {10594, "Please specify a pattern for at least one value."},
    {10596, "Edit Value Pattern"},
    {10597, "You have already defined a pattern for that value. Would you like to replace it?"},
    {10695, "Please enter an exponent marker."},
    {10696, "Please enter a number between 1 and 2147483647 for the number of digits."},
    {10697, "Please enter a number between 0 and 2147483647 in the Reduce by field."},
    {10698, "Please enter a number between 0 and 2147483647 in the Raise by field."},
    {10699, "Please enter a single character or escape sequence for the greater than symbol."},
    {10700, "Please enter a single character or escape sequence for the less than symbol."},
    {10718, "Please enter a positive number in the Don't execute for changes smaller than field, or uncheck the "
            "check box."},
    {10719, "Please enter a  number between 1 and 10 for the degree of the polynomial."},
    {10720, "All calibrated values must be greater than 0 if you want to fit a polynomial "
            "using log y."},
    {10740, "The separator between values you entered is not a valid regular expression."},
    {10756, "Edit Bistate Decoder"},
    {10757, "Edit Numerical Decoder (Unsigned Integer)"},
    {10758, "Edit Numerical Decoder (Set of Strings)"},
    {10759, "Edit Numerical Decoder (Floating-Point Number)"},
    {10760, "Edit String Decoder"},
    {10761, "Edit Bistate Encoder"},
    {10762, "Edit Numerical Encoder (Unsigned Integer)"},
    {10763, "Edit Numerical Encoder (Set of Strings)"},
    {10764, "Edit Numerical Encoder (Floating-Point Number)"},
    {10765, "Edit String Encoder"},
    // Texts of our own, for refusals the program did not make: it stored
    // what no station file reads back.
    {10901, "Please enter a prefix for the positive exponent."},
    {10902, "Please enter a prefix for the negative exponent."},
    {10903, "Exponential notation needs at least one non-decimal digit in the mantissa or some decimals."},
    {20003, "An analog indicator on screen %s"},
    {20004, "A bistate indicator on screen %s"},
    {20009, "command in device driver %s"},
    {20010, "The command %s"},
    {20011, "The command %s in device driver %s"},
    {20014, "A control with caption \"%s\" on screen %s"},
    {20015, "A control on screen %s"},
    {20016, "The file %s is not a valid K.O.R.V.E.L. image library."},
    {20017, "command template in device driver %s"},
    {20019, " \xB7 10 "}, // a middle dot in Windows-1252
    {20024, "You cannot delete this item because it is used by the following:\n"},
    {20025, "A digital indicator on screen %s"},
    {20026, "device driver"},
    {20027, "A graph on screen %s"},
    {20028, "The device %s in serial port %s"},
    {20030, "You cannot change the tag of this this object because it is used by the following:\n"},
    {20038, "You cannot change the command template because it is used by the following:\n"},
    {20039, "You cannot change the device driver because it is used by the following:\n"},
    {20051, "parameter in device driver %s "},
    {20052, "error code in device driver %s "},
    {20055, "You cannot change the type of this this object because it is used by the following:\n"},
    {20056, "A dial on screen %s"},
    {20057, "The initialization sequence"},
    {20058, "The initialization sequence of device %s"},
    {20059, "The initialization sequence of device %s in serial port %s"},
    {20060, "The initialization sequence of legacy device %s"},
    {20061, "The initialization sequence of legacy device %s in serial port %s"},
    {20066, "You cannot change this data object's type because it is used by the following:"},
    {20067, "You cannot set this data object to internal type because it is used by the following from outside the driver:"},
    {20078, "The polling sequence"},
    {20079, "The polling sequence of serial port %s"},
    {20089, "image"},
    {20090, "A label on screen %s"},
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
    {20124, "\"%s\" was replaced %d times."},
    {20129, "A multistate indicator on screen %s"},
    {20135, "\nNo program with tag %s exists: retained program %s"},
    {20136, "\nThe program with tag %s specified by %s does not exist: retained program %s"},
    {20140, "\nThe register %s is not an analog register: retained register %s"},
    {20142, "\nThe register %s is not a digital register: retained register %s"},
    {20144, "\nNo register with tag %s exists: retained register %s"},
    {20146, "\nThe register %s is not a string register: retained register %s"},
    {20153, "\nNo screen with tag %s exists: retained screen %s"},
    {20155, "\"%s\" not found."},
    {20160, "off"},
    {20161, "on"},
    {20163, "\"%s\" was replaced once."},
    {20168, "parameter"},
    {20173, "serial port"},
    {20174, "The serial port %s"},
    {20175, "SCL program"},
    {20177, "register"},
    {20178, "The register %s"},
    {20194, "SABus Request"},
    {20200, "screen"},
    {20201, "The screen %s"},
    {20204, "device in serial port %s"},
    {20211, "You cannot clear this check box because the parameter is used by the following:\n"},
    {20214, "A string indicator on screen %s"},
    {20216, "\n %s: \"%s\""},
    // The framework's name of a station without a file.
    {20227, "An X-Y marker on screen %s"},
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
