#include "registers/sources/ui/CBitCollectionSourcePane.h"

#include "foundation/jhashIterator.h"
#include "ports/gserialPort.h"
#include "store/gstation.h"

bool stationHasDefinedPort()
{
    jhashTypedIterator<gserialPort> it(station::serialPorts());
    gserialPort* port = nullptr;
    while (it.get(port)) {
        if (port->isDefined())
            return true;
    }
    return false;
}
