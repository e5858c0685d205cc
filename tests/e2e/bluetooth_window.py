"""The window with a Bluetooth scale: runs tests/scale/BluetoothWindowTest.cpp against a fake BlueZ
and plays the scale, in step with the test through files."""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import fake_bluez  # noqa: E402

TEST = sys.argv[1]


def wait_file(folder, name, process, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and process.poll() is None:
        if os.path.exists(os.path.join(folder, name)):
            return True
        time.sleep(0.05)
    return False


scale = fake_bluez.FakeBlueZ()
steps = tempfile.mkdtemp(prefix='tarvel-steps-')
env = dict(os.environ, TARVEL_FAKE_SCALE=steps, QT_QPA_PLATFORM='offscreen', LC_ALL='C.UTF-8', TZ='UTC')
test = subprocess.Popen([TEST], env=env)
try:
    ok = scale.wait_notifying(30)
    if ok:
        for reading in ('02 90 38 E8 07 05 06 13 1E 0F',   # 2024-05-06 19:30:15, 72.40 kg
                        '02 90 38 E8 07 05 06 07 1E 0F',   # 07:30:15, 72.40 kg
                        '02 90 38 E8 07 05 06 07 1F 00',   # 07:31:00, the same again
                        '00 18 33'):                       # 65.40 kg, no time
            scale.indicate(reading)
        ok = wait_file(steps, 'readings-seen', test)
    if ok:
        scale.sleep()
        ok = wait_file(steps, 'sleep-seen', test)
    if ok:
        scale.wake()
        ok = wait_file(steps, 'reconnect-seen', test) and scale.wait_notifying()
    if ok:
        scale.indicate('02 08 39 E8 07 05 06 08 00 00')  # 2024-05-06 08:00, 73.00 kg
    status = test.wait(timeout=90)
finally:
    if test.poll() is None:
        test.kill()
        test.wait()
    scale.close()
sys.exit(status if ok else 1)
