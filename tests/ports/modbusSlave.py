"""A Modbus RTU slave on a pseudo-terminal, for the tests of the serial line.

Usage: python3 modbusSlave.py <folder>

Starts socat with a pseudo-terminal pair whose ends appear as <folder>/line
(for the program under test) and <folder>/slave (served here), and serves
slave 1 on it: holding registers 0 to 9 hold 4660, 100, 65535, 7, 0, 1, 2, 3,
4, 5; other slave addresses get no answer. Prints "ready" once it serves,
and "register <address> <value>" for each line "show <address>" read from
its input. Ends, with socat, when its input ends (the test closed it or
died) or after ten minutes without a line.
"""
import asyncio
import os
import subprocess
import sys
import time

from pymodbus.datastore import ModbusSequentialDataBlock, ModbusServerContext, ModbusSlaveContext
from pymodbus.server.async_io import ModbusSerialServer
from pymodbus.transaction import ModbusRtuFramer

LIFETIME = 600
REGISTERS = [4660, 100, 65535, 7, 0, 1, 2, 3, 4, 5]


def start_socat(folder):
    line = os.path.join(folder, "line")
    slave = os.path.join(folder, "slave")
    socat = subprocess.Popen(
        ["socat", "pty,raw,echo=0,link=" + line, "pty,raw,echo=0,link=" + slave],
        stdin=subprocess.DEVNULL)
    deadline = time.monotonic() + 60
    while not (os.path.exists(line) and os.path.exists(slave)):
        if socat.poll() is not None or time.monotonic() > deadline:
            socat.kill()
            sys.exit("socat made no pseudo-terminals")
        time.sleep(0.02)
    return socat, slave


async def serve(slave_path, store):
    context = ModbusServerContext(slaves={1: store}, single=False)
    server = ModbusSerialServer(context, framer=ModbusRtuFramer, port=slave_path, baudrate=9600,
                                bytesize=8, parity="N", stopbits=1, ignore_missing_slaves=True)
    await server.start()
    print("ready", flush=True)
    loop = asyncio.get_running_loop()
    reader = asyncio.StreamReader()
    await loop.connect_read_pipe(lambda: asyncio.StreamReaderProtocol(reader), sys.stdin)
    while True:
        try:
            request = await asyncio.wait_for(reader.readline(), LIFETIME)
        except asyncio.TimeoutError:
            break
        if not request:
            break
        words = request.split()
        if len(words) == 2 and words[0] == b"show":
            address = int(words[1])
            print("register %d %d" % (address, store.getValues(3, address, 1)[0]), flush=True)
    await server.shutdown()


def main():
    socat, slave_path = start_socat(sys.argv[1])
    store = ModbusSlaveContext(hr=ModbusSequentialDataBlock(0, REGISTERS), zero_mode=True)
    try:
        asyncio.run(serve(slave_path, store))
    finally:
        socat.terminate()
        try:
            socat.wait(5)
        except subprocess.TimeoutExpired:
            socat.kill()


main()
