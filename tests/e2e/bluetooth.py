"""Bluetooth scales against a fake BlueZ: python3-dbusmock's bluez5 template on a private bus, with
one scale whose Weight Scale (or Body Composition) service the test plays. The real QtBluetooth code searches, connects,
turns the indications on and follows the scale to sleep and back.

  bluetooth.py read TARVEL-SCALE      tarvel-scale read --bluetooth
  bluetooth.py window TEST-PROGRAM    tests/scale/BluetoothWindowTest.cpp, kept in step through files
"""

import os
import re
import subprocess
import sys
import tempfile
import time

import dbus

MOCK, PROPS = 'org.freedesktop.DBus.Mock', 'org.freedesktop.DBus.Properties'
DEVICE, CHAR = 'org.bluez.Device1', 'org.bluez.GattCharacteristic1'
ADDRESS = 'C0:FF:EE:00:12:34'
DEV = '/org/bluez/hci0/dev_' + ADDRESS.replace(':', '_')
SERVICE, CHARACTERISTIC = DEV + '/service0010', DEV + '/service0010/char0011'
CLOCK = DEV + '/service0020/char0021'  # Current Time, which the program sets

# Connect fails while the scale sleeps (a switch of the test's own on the device object); otherwise
# it connects and resolves the services at once. Disconnect drops both.
LINK = '''
if %s and self.props['org.tarvel.Fake']['Asleep']:
    raise dbus.exceptions.DBusException('Page Timeout', name='org.bluez.Error.Failed')
changed = {'Connected': dbus.Boolean(%s, variant_level=1), 'ServicesResolved': dbus.Boolean(%s, variant_level=1)}
self.props['org.bluez.Device1'].update(changed)
self.EmitSignal('%s', 'PropertiesChanged', 'sa{sv}as', ['org.bluez.Device1', changed, []])
'''
NOTIFY = "self.props['%s']['Notifying'] = dbus.Boolean(%%s, variant_level=1)" % CHAR


def uuid(short):
    return '0000%04x-0000-1000-8000-00805f9b34fb' % short


class FakeBlueZ:
    def __init__(self, service=0x181D, measurement=0x2A9D):
        address = 'unix:path=' + os.path.join(tempfile.mkdtemp(prefix='tarvel-bluez-'), 'bus')
        self.processes = [subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--address=' + address],
                                           stdout=subprocess.DEVNULL)]
        os.environ.update(DBUS_SYSTEM_BUS_ADDRESS=address, BLUETOOTH_FORCE_DBUS_LE_VERSION='5.66')
        self.bus = self.until(lambda: dbus.bus.BusConnection(address))
        self.processes.append(subprocess.Popen(
            ['/usr/bin/python3', '-m', 'dbusmock', '--system', '--template', 'bluez5'], stdout=subprocess.DEVNULL))
        self.until(lambda: self.bus.name_has_owner('org.bluez'))
        root = self.obj('/org/bluez')
        root.AddAdapter('hci0', 'tarvel-test', dbus_interface='org.bluez.Mock')
        root.AddDevice('hci0', ADDRESS, 'Beurer BF105', dbus_interface='org.bluez.Mock')
        device, manager = self.obj(DEV), self.obj('/')
        device.AddProperties('org.tarvel.Fake', {'Asleep': False}, dbus_interface=MOCK)
        device.UpdateProperties(DEVICE, {'UUIDs': dbus.Array([uuid(service)], signature='s')}, dbus_interface=MOCK)
        device.AddMethod(DEVICE, 'Connect', '', '', LINK % (True, True, True, PROPS), dbus_interface=MOCK)
        device.AddMethod(DEVICE, 'Disconnect', '', '', LINK % (False, False, False, PROPS), dbus_interface=MOCK)
        read = ('ReadValue', 'a{sv}', 'ay', "ret = dbus.Array([0, 0], signature='y')")
        for path, interface, props, methods in (
                (SERVICE, 'org.bluez.GattService1', {'UUID': uuid(service), 'Device': dbus.ObjectPath(DEV),
                                                     'Primary': True, 'Includes': dbus.Array([], signature='o')}, []),
                (CHARACTERISTIC, CHAR, {'UUID': uuid(measurement), 'Service': dbus.ObjectPath(SERVICE),
                                        'Flags': ['indicate'], 'Notifying': False,
                                        'Value': dbus.Array([], signature='y')},
                 [read, ('StartNotify', '', '', NOTIFY % True), ('StopNotify', '', '', NOTIFY % False)]),
                (CHARACTERISTIC + '/desc0013', 'org.bluez.GattDescriptor1',
                 {'UUID': uuid(0x2902), 'Characteristic': dbus.ObjectPath(CHARACTERISTIC),
                  'Flags': ['read', 'write'], 'Value': dbus.Array([0, 0], signature='y')},
                 [read, ('WriteValue', 'aya{sv}', '', '')]),
                (DEV + '/service0020', 'org.bluez.GattService1',
                 {'UUID': uuid(0x1805), 'Device': dbus.ObjectPath(DEV), 'Primary': True,
                  'Includes': dbus.Array([], signature='o')}, []),
                (CLOCK, CHAR, {'UUID': uuid(0x2A2B), 'Service': dbus.ObjectPath(DEV + '/service0020'),
                               'Flags': ['read', 'write'], 'Value': dbus.Array([], signature='y')},
                 [read, ('WriteValue', 'aya{sv}', '', "self.props['%s']['Value'] = args[0]" % CHAR)])):
            manager.AddObject(path, interface, props, methods, dbus_interface=MOCK)

    @staticmethod
    def until(what, seconds=20):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            try:
                result = what()
                if result:
                    return result
            except dbus.exceptions.DBusException:
                pass
            time.sleep(0.05)
        return None

    def obj(self, path):
        return self.bus.get_object('org.bluez', path)

    def notifying(self):
        return self.until(lambda: self.obj(CHARACTERISTIC).Get(CHAR, 'Notifying', dbus_interface=PROPS))

    def indicate(self, hex_bytes):
        value = dbus.Array(bytes.fromhex(hex_bytes), signature='y', variant_level=1)
        self.obj(CHARACTERISTIC).EmitSignal(PROPS, 'PropertiesChanged', 'sa{sv}as', [
            CHAR, dbus.Dictionary({'Value': value}, signature='sv'), dbus.Array([], signature='s')],
            dbus_interface=MOCK)

    def sleep(self, asleep=True):
        self.obj(DEV).UpdateProperties('org.tarvel.Fake', {'Asleep': asleep}, dbus_interface=MOCK)
        if asleep:  # the scale drops the link and cannot be reached until woken
            self.obj(CHARACTERISTIC).UpdateProperties(CHAR, {'Notifying': False}, dbus_interface=MOCK)
            self.obj(DEV).Disconnect(dbus_interface=DEVICE)

    def power(self, on):
        self.obj(CHARACTERISTIC).UpdateProperties(CHAR, {'Notifying': False}, dbus_interface=MOCK)
        self.obj('/org/bluez/hci0').Set('org.bluez.Adapter1', 'Powered', on, dbus_interface=PROPS)

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            process.wait()


def check_read(scale, tool):
    failures = []

    def check(ok, what):
        if not ok:
            failures.append(what)
            print('FAIL: ' + what)

    def read(*args):
        return subprocess.run([tool, 'read', '--bluetooth', *args], capture_output=True, text=True, timeout=60)

    bad = read('--count', '0')
    check(bad.returncode == 2, 'bad arguments: exit %d' % bad.returncode)
    found = read('--timeout', '3')
    check(found.returncode == 0 and found.stdout == ADDRESS + '\tBeurer BF105\n', 'search: %r' % found.stdout)
    # A stored reading with its own time; the scale sleeps and, woken, sends one in pounds without a time.
    process = subprocess.Popen([tool, 'read', '--bluetooth', ADDRESS, '--count', '2', '--timeout', '30'],
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    check(scale.notifying(), 'indications were not turned on')
    scale.indicate('0E 90 38 E8 07 05 06 07 1E 0F 01 E5 00 F2 06')
    clock = scale.until(lambda: bytes(scale.obj(CLOCK).Get(CHAR, 'Value', dbus_interface=PROPS)))
    today = time.localtime()
    check(clock and len(clock) == 10 and tuple(clock[:4]) == (today.tm_year % 256, today.tm_year // 256,
                                                               today.tm_mon, today.tm_mday),
          'Current Time set to %r' % clock)
    scale.sleep()
    time.sleep(1)
    scale.sleep(False)
    check(scale.notifying(), 'no reconnection after the scale woke up')
    scale.indicate('01 D0 3E')  # 160.80 lb: 72.94 kg
    out, err = process.communicate(timeout=30)
    check(process.returncode == 0 and re.fullmatch(
        '2024-05-06 07:30:15\t72.40 kg\tuser 1\n\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\(received\\)\t72.94 kg\n',
        out), 'read: exit %d, %r, %s' % (process.returncode, out, err))
    scale.sleep()
    start = time.monotonic()
    late = read(ADDRESS, '--timeout', '2')
    reasons = [line for line in late.stderr.splitlines() if line.startswith('tarvel-scale:')]
    check(late.returncode == 1 and not late.stdout and len(reasons) == 1 and 'within 2 s' in reasons[0]
          and time.monotonic() - start < 10, 'time-out: exit %d, %r' % (late.returncode, late.stderr))
    scale.power(False)
    off = read(ADDRESS, '--timeout', '20')
    check(off.returncode == 1 and off.stderr.endswith('tarvel-scale: Bluetooth is off\n'), 'off: %r' % off.stderr)
    return 1 if failures else 0


def check_composition(tool):
    """A Body Composition scale sending one record in two packets: 18.5 % fat, user 1, 72.40 kg."""
    scale = FakeBlueZ(0x181B, 0x2A9C)
    try:
        process = subprocess.Popen([tool, 'read', '--bluetooth', ADDRESS, '--timeout', '30'],
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        scale.notifying()
        scale.indicate('06 14 B9 00 E8 07 05 06 07 1E 0F')
        scale.indicate('01 90 38')
        out, err = process.communicate(timeout=40)
    finally:
        scale.close()
    ok = process.returncode == 0 and out == '2024-05-06 07:30:15\t72.40 kg\tuser 1\tfat 18.5 %\n'
    print('' if ok else 'FAIL: body composition: %r %s' % (out, err))
    return 0 if ok else 1


def check_window(scale, program):
    steps = tempfile.mkdtemp(prefix='tarvel-steps-')
    test = subprocess.Popen([program], env=dict(os.environ, TARVEL_FAKE_SCALE=steps, QT_QPA_PLATFORM='offscreen',
                                                LC_ALL='C.UTF-8', TZ='UTC'))

    def seen(step):
        return FakeBlueZ.until(lambda: os.path.exists(os.path.join(steps, step)) or test.poll() is not None, 60) \
            and os.path.exists(os.path.join(steps, step))

    try:
        ok = bool(scale.notifying())
        # 2024-05-06 19:30:15 and 07:30:15, 72.40 kg; 07:31:00 the same again; 65.40 kg without a time.
        for reading in ('02 90 38 E8 07 05 06 13 1E 0F', '02 90 38 E8 07 05 06 07 1E 0F',
                        '02 90 38 E8 07 05 06 07 1F 00', '00 18 33'):
            ok and scale.indicate(reading)
        ok = ok and seen('readings-seen')
        ok and scale.sleep()
        ok = ok and seen('sleep-seen')
        ok and scale.sleep(False)
        ok = ok and seen('wake-seen')
        ok and scale.power(False)
        ok = ok and seen('off-seen')
        ok and scale.power(True)
        ok = ok and seen('reconnect-seen') and bool(scale.notifying())
        ok and scale.indicate('02 08 39 E8 07 05 06 08 00 00')  # 2024-05-06 08:00, 73.00 kg
        status = test.wait(timeout=90)
    finally:
        if test.poll() is None:
            test.kill()
            test.wait()
    return status if ok else 1


if __name__ == '__main__':
    fake = FakeBlueZ()
    try:
        status = (check_read if sys.argv[1] == 'read' else check_window)(fake, sys.argv[2])
    finally:
        fake.close()
    sys.exit(status or (check_composition(sys.argv[2]) if sys.argv[1] == 'read' else 0))
