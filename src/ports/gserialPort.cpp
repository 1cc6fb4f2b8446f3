#include "ports/gserialPort.h"

#include "store/gobjectType.h"

const gobjectType* gserialPort::getObjectType() const { return &objectTypes::serialPort(); }
