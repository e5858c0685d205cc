"""A fake BlueZ on a private bus: python3-dbusmock's bluez5 template with one scale added, whose
Weight Scale service sends what the test asks for once the program turned its indications on."""

import os
import subprocess
import tempfile
import time

import dbus

BLUEZ = 'org.bluez'
MOCK = 'org.freedesktop.DBus.Mock'
PROPS = 'org.freedesktop.DBus.Properties'
DEVICE = 'org.bluez.Device1'
CHAR = 'org.bluez.GattCharacteristic1'
STATE = 'org.tarvel.FakeScale'  # the test's own switches on the device object

ADDRESS = 'C0:FF:EE:00:12:34'
NAME = 'Beurer BF105'
DEV_PATH = '/org/bluez/hci0/dev_' + ADDRESS.replace(':', '_')
SERVICE_PATH = DEV_PATH + '/service0010'
CHAR_PATH = SERVICE_PATH + '/char0011'
DESC_PATH = CHAR_PATH + '/desc0013'


def uuid16(short):
    return '0000%04x-0000-1000-8000-00805f9b34fb' % short


# Connect works only while the scale is awake; it then resolves the services at once.
CONNECT = '''
if self.props['%s']['Asleep']:
    raise dbus.exceptions.DBusException('Page Timeout', name='org.bluez.Error.Failed')
changed = {'Connected': dbus.Boolean(True, variant_level=1),
           'ServicesResolved': dbus.Boolean(True, variant_level=1)}
self.props['%s'].update(changed)
self.EmitSignal('%s', 'PropertiesChanged', 'sa{sv}as', ['%s', changed, []])
''' % (STATE, DEVICE, PROPS, DEVICE)

DISCONNECT = '''
changed = {'Connected': dbus.Boolean(False, variant_level=1),
           'ServicesResolved': dbus.Boolean(False, variant_level=1)}
self.props['%s'].update(changed)
self.EmitSignal('%s', 'PropertiesChanged', 'sa{sv}as', ['%s', changed, []])
''' % (DEVICE, PROPS, DEVICE)

NOTIFY = "self.props['%s']['Notifying'] = dbus.Boolean(%%s, variant_level=1)" % CHAR


class FakeBlueZ:
    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix='tarvel-bluez-')
        address = 'unix:path=' + os.path.join(self.folder, 'bus')
        self.bus_daemon = subprocess.Popen(
            ['dbus-daemon', '--session', '--nofork', '--address=' + address],
            stdout=subprocess.DEVNULL)
        os.environ['DBUS_SYSTEM_BUS_ADDRESS'] = address
        os.environ['BLUETOOTH_FORCE_DBUS_LE_VERSION'] = '5.66'
        self.mock = None
        for _ in range(100):
            try:
                self.bus = dbus.bus.BusConnection(address)
                break
            except dbus.exceptions.DBusException:
                time.sleep(0.05)
        self.mock = subprocess.Popen(['/usr/bin/python3', '-m', 'dbusmock', '--system', '--template', 'bluez5'],
                                     stdout=subprocess.DEVNULL)
        for _ in range(200):
            if self.bus.name_has_owner(BLUEZ):
                break
            time.sleep(0.05)
        root = self.bus.get_object(BLUEZ, '/org/bluez')
        root.AddAdapter('hci0', 'tarvel-test', dbus_interface='org.bluez.Mock')
        root.AddDevice('hci0', ADDRESS, NAME, dbus_interface='org.bluez.Mock')
        device = self.obj(DEV_PATH)
        device.AddProperties(STATE, {'Asleep': dbus.Boolean(False)}, dbus_interface=MOCK)
        device.UpdateProperties(DEVICE, {'UUIDs': dbus.Array([uuid16(0x181D)], signature='s')},
                                dbus_interface=MOCK)
        device.AddMethod(DEVICE, 'Connect', '', '', CONNECT, dbus_interface=MOCK)
        device.AddMethod(DEVICE, 'Disconnect', '', '', DISCONNECT, dbus_interface=MOCK)
        manager = self.obj('/')
        manager.AddObject(SERVICE_PATH, 'org.bluez.GattService1',
                          {'UUID': uuid16(0x181D), 'Device': dbus.ObjectPath(DEV_PATH), 'Primary': True,
                           'Includes': dbus.Array([], signature='o')}, [], dbus_interface=MOCK)
        manager.AddObject(CHAR_PATH, CHAR,
                          {'UUID': uuid16(0x2A9D), 'Service': dbus.ObjectPath(SERVICE_PATH),
                           'Flags': dbus.Array(['indicate'], signature='s'),
                           'Value': dbus.Array([], signature='y'), 'Notifying': False},
                          [('ReadValue', 'a{sv}', 'ay', "ret = dbus.Array([], signature='y')"),
                           ('WriteValue', 'aya{sv}', '', ''),
                           ('StartNotify', '', '', NOTIFY % 'True'),
                           ('StopNotify', '', '', NOTIFY % 'False')], dbus_interface=MOCK)
        manager.AddObject(DESC_PATH, 'org.bluez.GattDescriptor1',
                          {'UUID': uuid16(0x2902), 'Characteristic': dbus.ObjectPath(CHAR_PATH),
                           'Value': dbus.Array([0, 0], signature='y'),
                           'Flags': dbus.Array(['read', 'write'], signature='s')},
                          [('ReadValue', 'a{sv}', 'ay', "ret = dbus.Array([0, 0], signature='y')"),
                           ('WriteValue', 'aya{sv}', '', '')], dbus_interface=MOCK)

    def obj(self, path):
        return self.bus.get_object(BLUEZ, path)

    def prop(self, path, interface, name):
        return self.obj(path).Get(interface, name, dbus_interface=PROPS)

    def wait(self, what, seconds=20):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if what():
                return True
            time.sleep(0.05)
        return False

    def wait_notifying(self, seconds=20):
        return self.wait(lambda: bool(self.prop(CHAR_PATH, CHAR, 'Notifying')), seconds)

    def indicate(self, hex_bytes):
        value = dbus.Array(bytes.fromhex(hex_bytes), signature='y')
        self.obj(CHAR_PATH).EmitSignal(PROPS, 'PropertiesChanged', 'sa{sv}as',
                                       [CHAR, dbus.Dictionary({'Value': dbus.Array(value, signature='y',
                                                                                    variant_level=1)},
                                                              signature='sv'),
                                        dbus.Array([], signature='s')],
                                       dbus_interface=MOCK)

    def sleep(self):
        """The scale drops the link and cannot be reached until woken."""
        self.obj(DEV_PATH).UpdateProperties(STATE, {'Asleep': True}, dbus_interface=MOCK)
        self.obj(CHAR_PATH).UpdateProperties(CHAR, {'Notifying': False}, dbus_interface=MOCK)
        self.obj(DEV_PATH).Disconnect(dbus_interface=DEVICE)

    def wake(self):
        self.obj(DEV_PATH).UpdateProperties(STATE, {'Asleep': False}, dbus_interface=MOCK)

    def power(self, on):
        self.obj('/org/bluez/hci0').Set('org.bluez.Adapter1', 'Powered', dbus.Boolean(on), dbus_interface=PROPS)

    def close(self):
        for process in (self.mock, self.bus_daemon):
            if process:
                process.terminate()
                process.wait()
