#include "store/gobjectType.h"

#include "foundation/jhashIterator.h"
#include "store/gstation.h"
#include "store/gtitledObject.h"
#include "store/jhashDatabaseTable.h"

namespace {

enum : int {
    nameImage = 20089,
    nameScreen = 20200,
    nameLegacyDriver = 20093,
    nameLegacyMask = 20094,
    nameRegister = 20177,
    nameSerialPort = 20173,
    nameParameter = 20168,
    nameProgram = 20175,
    nameRequest = 20194,
    nameDriver = 20026,
};

// The registry and its descriptors, built together on first use. The
// descriptors insert themselves in the order they are declared here, which
// with the registry's hash gives the fixed order of types in a file.
struct registry {
    jhashObjectTypeTable table;
    gobjectType image{"IMAGE", station::images(), nullptr, false, nameImage};
    gobjectType screen{"SCREEN", station::screens(), nullptr, false, nameScreen};
    gobjectType legacyDriver{"DRIVER", station::legacyDrivers(), &driverLibrary::legacyDrivers(), false,
                             nameLegacyDriver};
    gobjectType legacyMask{"MASK", station::legacyMasks(), &driverLibrary::legacyMasks(), false, nameLegacyMask};
    gobjectType bistateRegister{"BISTATE_REG", station::registers(), nullptr, false, nameRegister};
    gobjectType digitalRegister{"DIGITAL_REG", station::registers(), nullptr, true, nameRegister};
    gobjectType analogRegister{"ANALOG_REG", station::registers(), nullptr, true, nameRegister};
    gobjectType stringRegister{"STRING_REG", station::registers(), nullptr, true, nameRegister};
    gobjectType serialPort{"PORT", station::serialPorts(), nullptr, false, nameSerialPort};
    gobjectType legacyParameter{"PARAMETER", station::legacyParameters(), nullptr, false, nameParameter};
    gobjectType program{"PROGRAM", station::programs(), nullptr, false, nameProgram};
    gobjectType request{"REQUEST", station::requests(), nullptr, false, nameRequest};
    gobjectType g2Driver{"G2DRIVER", station::g2Drivers(), &driverLibrary::g2Drivers(), false, nameDriver};

    registry()
    {
        for (gobjectType* t : {&image, &screen, &legacyDriver, &legacyMask, &bistateRegister, &digitalRegister,
                               &analogRegister, &stringRegister, &serialPort, &legacyParameter, &program,
                               &request, &g2Driver})
            table.insert(t);
    }
};

registry& types()
{
    static registry all;
    return all;
}

// Walks the registry in its order, each table once.
template <class F>
void forEachTableType(F&& f)
{
    jhashTypedIterator<gobjectType> it(objectTypeRegistry());
    gobjectType* type = nullptr;
    while (it.get(type)) {
        if (!type->sharesTable())
            f(*type);
    }
}

} // namespace

gobjectType::gobjectType(const char* keyword, jhashDatabaseTable& stationTable, jhashDatabaseTable* libraryTable,
                         bool sharesTable, int displayNameId)
    : jhashNamedObject(keyword), stationTable_(&stationTable), libraryTable_(libraryTable),
      sharesTable_(sharesTable), displayNameId_(displayNameId)
{
}

gtitledObject* gobjectType::defineObject(const gstrSlice& tag, bool intoLibrary) const
{
    jhashDatabaseTable& table = intoLibrary ? *libraryTable_ : *stationTable_;
    auto* object = static_cast<gtitledObject*>(table.crossReference(tag, jhashDatabaseTable::defineForm));
    if (!object)
        return nullptr;
    object->setObjectType(*this);
    object->setLibraryFlag(intoLibrary ? 1 : 0);
    return object;
}

void gobjectType::listUndefined(gstr& text, bool library) const
{
    if (sharesTable_ || (library && !libraryTable_))
        return;
    jhashDatabaseTable& table = library ? *libraryTable_ : *stationTable_;
    gstr displayName;
    displayName.loadString(displayNameId_);
    jhashIterator it(table);
    jhashObject* entry = nullptr;
    gstr line;
    while (it.get(entry)) {
        auto* object = static_cast<gtitledObject*>(static_cast<jhashDatabaseObject*>(entry));
        if (object->isDefined()) {
            object->listUndefinedReferences(text);
            continue;
        }
        text.append(line.format(20216, displayName, object->getTag()));
    }
}

const jhashObjectTypeTable& objectTypeRegistry() { return types().table; }

namespace objectTypes {
const gobjectType& image() { return types().image; }
const gobjectType& screen() { return types().screen; }
const gobjectType& legacyDriver() { return types().legacyDriver; }
const gobjectType& legacyMask() { return types().legacyMask; }
const gobjectType& bistateRegister() { return types().bistateRegister; }
const gobjectType& digitalRegister() { return types().digitalRegister; }
const gobjectType& analogRegister() { return types().analogRegister; }
const gobjectType& stringRegister() { return types().stringRegister; }
const gobjectType& serialPort() { return types().serialPort; }
const gobjectType& legacyParameter() { return types().legacyParameter; }
const gobjectType& program() { return types().program; }
const gobjectType& request() { return types().request; }
const gobjectType& g2Driver() { return types().g2Driver; }
} // namespace objectTypes

gstr listUndefinedObjects(bool library)
{
    gstr text("");
    forEachTableType([&](const gobjectType& type) { type.listUndefined(text, library); });
    return text;
}

bool holdsOnlyDriverObjects()
{
    bool only = true;
    forEachTableType([&](const gobjectType& type) {
        if (!type.allowedInLibrary() && type.stationTable().count() > 0)
            only = false;
    });
    return only;
}

bool holdsDriverObjects()
{
    bool any = false;
    forEachTableType([&](const gobjectType& type) {
        if (type.allowedInLibrary() && type.stationTable().count() > 0)
            any = true;
    });
    return any;
}
