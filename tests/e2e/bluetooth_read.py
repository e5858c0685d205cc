"""tarvel-scale read --bluetooth against a fake BlueZ on a private bus: the real QtBluetooth code
searches, connects, turns the indications on, follows the scale to sleep and back, and prints."""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import fake_bluez  # noqa: E402

TOOL = sys.argv[1]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print('FAIL: ' + what)


def read(*args, timeout=30):
    return subprocess.run([TOOL, 'read', *args], capture_output=True, text=True, timeout=timeout)


scale = fake_bluez.FakeBlueZ()
try:
    bad = read('--bluetooth', '--count', '0')
    check(bad.returncode == 2, 'bad arguments: exit %d' % bad.returncode)

    found = read('--bluetooth', '--timeout', '3')
    check(found.returncode == 0 and found.stdout == fake_bluez.ADDRESS + '\tBeurer BF105\n',
          'search: exit %d, %r' % (found.returncode, found.stdout))

    # A stored reading with its own time, then the scale sleeps; woken, it sends one in pounds
    # without a time.
    tool = subprocess.Popen([TOOL, 'read', '--bluetooth', fake_bluez.ADDRESS, '--count', '2', '--timeout', '30'],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    check(scale.wait_notifying(), 'indications were not turned on')
    scale.indicate('0E 90 38 E8 07 05 06 07 1E 0F 01 E5 00 F2 06')
    time.sleep(0.5)
    scale.sleep()
    time.sleep(1)
    scale.wake()
    check(scale.wait_notifying(), 'no reconnection after the scale woke up')
    scale.indicate('01 D0 3E')  # 160.80 lb, no time: 72.94 kg
    out, err = tool.communicate(timeout=30)
    lines = out.splitlines()
    check(tool.returncode == 0, 'read: exit %d, %s' % (tool.returncode, err))
    check(len(lines) == 2 and lines[0] == '2024-05-06 07:30:15\t72.40 kg\tuser 1', 'first line %r' % lines)
    check(len(lines) == 2 and re.fullmatch(r'\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \(received\)\t72\.94 kg', lines[1]),
          'second line %r' % lines)

    scale.sleep()
    start = time.monotonic()
    late = read('--bluetooth', fake_bluez.ADDRESS, '--timeout', '2')
    errors = [line for line in late.stderr.splitlines() if line.startswith('tarvel-scale:')]
    check(late.returncode == 1 and late.stdout == '' and len(errors) == 1 and 'within 2 s' in errors[0],
          'time-out: exit %d, %r' % (late.returncode, late.stderr))
    check(time.monotonic() - start < 10, 'the time-out took too long')

    scale.power(False)
    off = read('--bluetooth', fake_bluez.ADDRESS, '--timeout', '20')
    check(off.returncode == 1 and off.stderr.endswith('tarvel-scale: Bluetooth is off\n'),
          'adapter off: exit %d, %r' % (off.returncode, off.stderr))
finally:
    scale.close()

if failures:
    sys.exit(1)
print('bluetooth read: search, a reading with its own time, a reconnection, a time-out, Bluetooth off: as expected')
