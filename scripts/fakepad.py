"""An emulated Xbox 360 game pad for tests, met by a real program through udev and evdev.

The pad lives in a umockdev testbed: a sysfs tree with an input device and its
/dev/input/eventN node, with the attributes and udev properties the kernel and udev
give a wired Xbox 360 pad (USB 045e:028e, version 0114), which SDL's mapping database
knows. A child started with env() runs under umockdev's LD_PRELOAD library, which
shows it that sysfs, that /dev node and the uevents we send in place of the real ones,
so it finds the pad the way it finds a real one: libudev enumeration and monitor, then
open() and the evdev ioctls.

The node itself is a pty, which would answer evdev ioctls and reads wrongly, so
everything the child does on it goes to an ioctl handler here (umockdev passes each
ioctl, read and write on the node through a socket to this process, on the testbed's
own thread). The handler answers EVIOCGBIT, EVIOCGABS, EVIOCGID, EVIOCGNAME, EVIOCGKEY
and the rest from the pad's description and state, and answers each read with whole
struct input_event records from that fd's own queue (EAGAIN when it is empty), as evdev
does: every open fd gets the events sent after it was opened. press(), stick() and the
others change the state and queue the events with their SYN_REPORT. After unplug() the
old fds get ENODEV, as from a pad pulled out.

    pad = fakepad.FakePad()            # plugged in; FakePad(plugged=False) for not
    child = subprocess.Popen(cmd, env={**os.environ, **pad.env()})
    pad.tap("a"); pad.stick(32767, 0); pad.unplug(); pad.plug()
    child.wait(); pad.close()

Needs python3-gi and gir1.2-umockdev-1.0 (umockdev 0.17); no root, no /dev/uinput.
"""

import errno
import os
import select
import shutil
import struct
import subprocess
import sys
import threading
import time

import gi

gi.require_version("UMockdev", "1.0")
from gi.repository import UMockdev  # noqa: E402

EV_SYN, EV_KEY, EV_ABS, EV_FF = 0x00, 0x01, 0x03, 0x15
SYN_REPORT = 0

BUTTONS = {
    "a": 0x130, "b": 0x131, "x": 0x133, "y": 0x134,
    "leftshoulder": 0x136, "rightshoulder": 0x137,
    "back": 0x13a, "start": 0x13b, "guide": 0x13c,
    "leftstick": 0x13d, "rightstick": 0x13e,
}
ABS_X, ABS_Y, ABS_Z, ABS_RX, ABS_RY, ABS_RZ = range(6)
ABS_HAT0X, ABS_HAT0Y = 0x10, 0x11
# (minimum, maximum, fuzz, flat) as the kernel's xpad driver sets them.
AXES = {
    ABS_X: (-32768, 32767, 16, 128), ABS_Y: (-32768, 32767, 16, 128),
    ABS_RX: (-32768, 32767, 16, 128), ABS_RY: (-32768, 32767, 16, 128),
    ABS_Z: (0, 255, 0, 0), ABS_RZ: (0, 255, 0, 0),
    ABS_HAT0X: (-1, 1, 0, 0), ABS_HAT0Y: (-1, 1, 0, 0),
}
# The d-pad is a hat: each direction is one end of a hat axis; the triggers are axes.
HAT = {"dpup": (ABS_HAT0Y, -1), "dpdown": (ABS_HAT0Y, 1),
       "dpleft": (ABS_HAT0X, -1), "dpright": (ABS_HAT0X, 1)}
TRIGGERS = {"lefttrigger": ABS_Z, "righttrigger": ABS_RZ}
FF_CODES = (0x50, 0x51, 0x58, 0x59, 0x5a, 0x60)  # rumble, periodic, square, triangle, sine, gain

NAME = "Microsoft X-Box 360 pad"
PHYS = "usb-0000:00:14.0-2/input0"
BUS, VENDOR, PRODUCT, VERSION = 0x0003, 0x045e, 0x028e, 0x0114

EVENT = struct.Struct("llHHi")  # struct input_event on 64-bit Linux
ABSINFO = struct.Struct("6i")

PRELOAD = "libumockdev-preload.so.0"


def _sysfs_bits(codes):
    """A capabilities/* attribute: longs in hex, highest first, leading zero ones left out."""
    words = {}
    for code in codes:
        words[code // 64] = words.get(code // 64, 0) | 1 << code % 64
    return " ".join("%x" % words.get(i, 0) for i in range(max(words, default=0), -1, -1))


def _bytes_bits(codes, size):
    """The same bits as EVIOCGBIT and EVIOCGKEY give them: a little-endian byte array."""
    out = bytearray(size)
    for code in codes:
        if code // 8 < size:
            out[code // 8] |= 1 << code % 8
    return bytes(out)


EV_TYPES = (EV_SYN, EV_KEY, EV_ABS, EV_FF)
# Bytes in the kernel's bitmap for each type (its _MAX rounded up to whole longs).
BITMAP_BYTES = {0: 8, EV_KEY: 96, EV_ABS: 8, EV_FF: 16}
CODES = {0: EV_TYPES, EV_KEY: BUTTONS.values(), EV_ABS: AXES.keys(), EV_FF: FF_CODES}


def _preloaded(environ):
    return PRELOAD in environ.get("LD_PRELOAD", "").split()


def _with_preload(environ):
    # After the ones already there: a sanitizer's runtime must stay first.
    if _preloaded(environ):
        return environ.get("LD_PRELOAD")
    return (environ.get("LD_PRELOAD", "") + " " + PRELOAD).strip()


def reexec():
    """Runs the calling script again under umockdev's preload library, unless it already
    is. The testbed needs it in its own process too: it sends uevents through libudev,
    which must see the testbed's sysfs. Call it first thing, before any output."""
    if not _preloaded(os.environ):
        env = dict(os.environ, LD_PRELOAD=_with_preload(os.environ))
        os.execve(sys.executable, [sys.executable] + sys.argv, env)


class FakePad:
    def __init__(self, plugged=True):
        if not _preloaded(os.environ):
            raise RuntimeError("fakepad needs %s in this process: call fakepad.reexec() first"
                               % PRELOAD)
        self._testbed = UMockdev.Testbed.new()
        self._root = self._testbed.get_root_dir()
        self._lock = threading.Lock()
        self._queues = {}      # client -> list of packed events not yet read
        self._devnode = None   # /dev/input/eventN while plugged
        self._syspaths = None  # (input device, event device) while plugged
        self._number = 0
        self._last_read = 0.0  # when the child last read the pad plugged in now
        self._effects = 0
        self._keys = set()
        self._abs = {}
        self._handler = UMockdev.IoctlBase.new()
        self._handler.connect("client-connected", self._on_connected)
        self._handler.connect("handle-ioctl", self._on_ioctl)
        self._handler.connect("handle-read", self._on_read)
        self._handler.connect("handle-write", self._on_write)
        if plugged:
            self.plug()

    def env(self):
        """What a child needs in its environment to see the pad."""
        return {"LD_PRELOAD": _with_preload(os.environ), "UMOCKDEV_DIR": self._root}

    @property
    def root(self):
        """The testbed's folder, which holds the /sys and the /dev nodes the child sees."""
        return self._root

    @property
    def devnode(self):
        """The pad's /dev/input/eventN while it is plugged in, else None."""
        return self._devnode

    def reading(self, within=0.5):
        """Whether the child has read the pad plugged in now in the last `within` s."""
        with self._lock:
            return self._devnode is not None and time.monotonic() - self._last_read < within

    def plug(self):
        """Plugs the pad in, with the uevents udev would send."""
        if self._syspaths:
            return
        # A new input and event number each time, as a new device gets from the kernel.
        self._number += 1
        n = self._number
        minor = 64 + n
        input_path = "/sys/devices/virtual/input/input%d" % (100 + n)
        event_path = "%s/event%d" % (input_path, n)
        devnode = "/dev/input/event%d" % n
        product = "%x/%x/%x/%x" % (BUS, VENDOR, PRODUCT, VERSION)
        record = [
            "P: " + input_path[4:],
            "E: SUBSYSTEM=input", "E: PRODUCT=" + product,
            'E: NAME="%s"' % NAME, 'E: PHYS="%s"' % PHYS,
            "E: ID_INPUT=1", "E: ID_INPUT_JOYSTICK=1",
            "A: name=" + NAME, "A: phys=" + PHYS, "A: uniq=", "A: properties=0",
            "A: id/bustype=%04x" % BUS, "A: id/vendor=%04x" % VENDOR,
            "A: id/product=%04x" % PRODUCT, "A: id/version=%04x" % VERSION,
            "A: capabilities/ev=" + _sysfs_bits(EV_TYPES),
            "A: capabilities/key=" + _sysfs_bits(BUTTONS.values()),
            "A: capabilities/abs=" + _sysfs_bits(AXES),
            "A: capabilities/ff=" + _sysfs_bits(FF_CODES),
            "A: capabilities/rel=0", "A: capabilities/msc=0", "A: capabilities/led=0",
            "A: capabilities/snd=0", "A: capabilities/sw=0",
            "",
            "P: " + event_path[4:],
            "N: " + devnode[5:],
            "E: SUBSYSTEM=input", "E: DEVNAME=" + devnode,
            "E: MAJOR=13", "E: MINOR=%d" % minor,
            "E: ID_INPUT=1", "E: ID_INPUT_JOYSTICK=1", "E: ID_BUS=usb",
            "E: ID_VENDOR_ID=%04x" % VENDOR, "E: ID_MODEL_ID=%04x" % PRODUCT,
            "E: ID_REVISION=%04x" % VERSION, "E: ID_SERIAL=Microsoft_Controller",
            "A: dev=13:%d" % minor,
            "",
        ]
        if not self._testbed.add_from_string("\n".join(record)):
            raise RuntimeError("umockdev did not take the pad's device record")
        # Never detached: a child may still hold the fd of an unplugged node, and the
        # handler is what tells it ENODEV then.
        self._testbed.attach_ioctl(devnode, self._handler)
        with self._lock:
            self._keys = set()
            self._abs = {code: 0 for code in AXES}
            self._devnode = devnode
            self._last_read = 0.0
            self._syspaths = (input_path, event_path)
        self._testbed.uevent(input_path, "add")
        self._testbed.uevent(event_path, "add")

    def unplug(self):
        """Pulls the pad out: its fds fail with ENODEV, udev sends the remove events."""
        if not self._syspaths:
            return
        input_path, event_path = self._syspaths
        devnode = self._devnode
        with self._lock:
            self._devnode = None
            self._syspaths = None
        # The kernel sends these children first; the sysfs tree must still be there,
        # as umockdev reads a device's properties from it for the uevent.
        self._testbed.uevent(event_path, "remove")
        self._testbed.uevent(input_path, "remove")
        self._testbed.remove_device(input_path)
        # remove_device leaves the child's node and links behind; a real node goes too.
        n = devnode.rsplit("event", 1)[1]
        for leftover in (devnode, "/dev/.node/input_event" + n,
                         "/sys/class/input/event" + n, "/sys/dev/char/13:%d" % (64 + int(n))):
            try:
                os.unlink(self._root + leftover)
            except FileNotFoundError:
                pass

    def press(self, name):
        self._set(name, True)

    def release(self, name):
        self._set(name, False)

    def tap(self, name, seconds=0.05):
        self.press(name)
        time.sleep(seconds)
        self.release(name)

    def stick(self, x, y, right=False):
        """Moves the left (or right) stick; -32768..32767, negative y is up, as evdev has it."""
        self._send([(EV_ABS, ABS_RX if right else ABS_X, x),
                    (EV_ABS, ABS_RY if right else ABS_Y, y)])

    def close(self):
        """Removes the testbed; call it once the child is gone."""
        self.unplug()
        self._testbed = None
        self._handler = None
        shutil.rmtree(self._root, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _set(self, name, down):
        if name in BUTTONS:
            self._send([(EV_KEY, BUTTONS[name], int(down))])
        elif name in HAT:
            axis, end = HAT[name]
            self._send([(EV_ABS, axis, end if down else 0)])
        elif name in TRIGGERS:
            self._send([(EV_ABS, TRIGGERS[name], 255 if down else 0)])
        else:
            raise ValueError("no such button on the pad: %r" % name)

    def _send(self, changes):
        """Sets the state and queues the events for every open fd of the node, as the
        input core does: a change that changes nothing is dropped."""
        now = time.time()
        sec, usec = int(now), int(now % 1 * 1e6)
        with self._lock:
            if not self._devnode:
                return
            packed = []
            for type_, code, value in changes:
                if type_ == EV_KEY:
                    if (code in self._keys) == bool(value):
                        continue
                    (self._keys.add if value else self._keys.discard)(code)
                else:
                    low, high = AXES[code][:2]
                    value = max(low, min(high, value))
                    if self._abs[code] == value:
                        continue
                    self._abs[code] = value
                packed.append(EVENT.pack(sec, usec, type_, code, value))
            if not packed:
                return
            packed.append(EVENT.pack(sec, usec, EV_SYN, SYN_REPORT, 0))
            for client, queue in list(self._queues.items()):
                if not client.get_connected():
                    del self._queues[client]
                elif client.get_devnode() == self._devnode:
                    queue.extend(packed)

    # What follows runs on the testbed's thread, one call per ioctl, read or write of
    # the child on the node.

    def _on_connected(self, handler, client):
        with self._lock:
            self._queues[client] = []

    def _live(self, client):
        return client.get_devnode() == self._devnode

    def _on_read(self, handler, client):
        arg = client.get_arg()
        count = len(arg.retrieve())
        with self._lock:
            queue = self._queues.setdefault(client, [])
            if not self._live(client):
                client.complete(-1, errno.ENODEV)
                return True
            self._last_read = time.monotonic()
            if count < EVENT.size:
                client.complete(-1, errno.EINVAL)
            elif not queue:
                client.complete(-1, errno.EAGAIN)
            else:
                taken = queue[:count // EVENT.size]
                del queue[:len(taken)]
                data = b"".join(taken)
                arg.update(0, list(data))
                client.complete(len(data), 0)
        return True

    def _on_write(self, handler, client):
        # Only force-feedback plays and stops are written to an evdev node; we take them.
        with self._lock:
            live = self._live(client)
        if live:
            client.complete(len(client.get_arg().retrieve()), 0)
        else:
            client.complete(-1, errno.ENODEV)
        return True

    def _on_ioctl(self, handler, client):
        request = client.get_request()
        size = request >> 16 & 0x3fff
        kind = request >> 8 & 0xff
        nr = request & 0xff
        with self._lock:
            if kind != ord("E"):
                result = -errno.ENOTTY  # not a tty, whatever the pty under it says
            elif not self._live(client):
                result = -errno.ENODEV
            else:
                result = self._evdev_ioctl(nr, size)
        if nr == 0x80 and result == 0 and size >= 4:
            # EVIOCSFF: the driver writes the id it gave a new effect into the struct.
            effect = client.get_arg().resolve(0, size)
            data = bytearray(effect.retrieve())
            if struct.unpack_from("h", data, 2)[0] == -1:
                with self._lock:
                    struct.pack_into("h", data, 2, self._effects)
                    self._effects += 1
                effect.update(0, list(data))
        if isinstance(result, bytes):
            if size:
                client.get_arg().resolve(0, size).update(0, list(result[:size]))
            client.complete(min(len(result), size), 0)
        elif result < 0:
            client.complete(-1, -result)
        else:
            client.complete(result, 0)
        return True

    def _evdev_ioctl(self, nr, size):
        """The answer to evdev ioctl nr: bytes to copy out (and their length returned),
        a number to return, or a negative errno."""
        if nr == 0x01:  # EVIOCGVERSION
            return struct.pack("i", 0x010001)
        if nr == 0x02:  # EVIOCGID
            return struct.pack("4H", BUS, VENDOR, PRODUCT, VERSION)
        if nr == 0x06:  # EVIOCGNAME
            return NAME.encode() + b"\0"
        if nr == 0x07:  # EVIOCGPHYS
            return PHYS.encode() + b"\0"
        if nr == 0x08:  # EVIOCGUNIQ: the driver sets none
            return -errno.ENOENT
        if nr == 0x09:  # EVIOCGPROP
            return bytes(min(size, 8))
        if nr == 0x18:  # EVIOCGKEY
            return _bytes_bits(self._keys, min(size, BITMAP_BYTES[EV_KEY]))
        if nr in (0x19, 0x1a, 0x1b):  # EVIOCGLED, EVIOCGSND, EVIOCGSW: none
            return bytes(min(size, 8))
        if 0x20 <= nr < 0x40:  # EVIOCGBIT(type)
            ev = nr - 0x20
            return _bytes_bits(CODES.get(ev, ()), min(size, BITMAP_BYTES.get(ev, 8)))
        if 0x40 <= nr < 0x80:  # EVIOCGABS(axis)
            low, high, fuzz, flat = AXES.get(nr - 0x40, (0, 0, 0, 0))
            return ABSINFO.pack(self._abs.get(nr - 0x40, 0), low, high, fuzz, flat, 0)
        if nr == 0x84:  # EVIOCGEFFECTS
            return struct.pack("i", 16)
        # EVIOCSFF (its id is filled in above: the pad shakes for nobody), EVIOCRMFF,
        # EVIOCGRAB, EVIOCREVOKE, EVIOCSCLOCKID
        if nr in (0x80, 0x81, 0x90, 0x91, 0xa0):
            return 0
        return -errno.EINVAL


def without_preload(environ):
    """The environment as it was before reexec(): for processes that must not see the
    emulated devices (a display server, a bus)."""
    env = {k: v for k, v in environ.items() if k != "UMOCKDEV_DIR"}
    rest = [lib for lib in env.get("LD_PRELOAD", "").split() if lib != PRELOAD]
    if rest:
        env["LD_PRELOAD"] = " ".join(rest)
    else:
        env.pop("LD_PRELOAD", None)
    return env


def read_line(fd):
    """A line from the pipe fd, without its end, which is then closed. Xvfb writes its
    display number and the line's end apart, and dies where the pipe is closed between."""
    data = b""
    while not data.endswith(b"\n"):
        chunk = os.read(fd, 64)
        if not chunk:
            break
        data += chunk
    os.close(fd)
    return data.decode().strip()


def session_bus(environ):
    """Starts a session bus of its own, as every desktop has one, and gives the process
    and its address. Without one, the bus library would start one from the program
    under test: a fork, in which umockdev's library may find its lock held by a thread
    that the fork left behind, and hang."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                           env=without_preload(environ), stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL)
    return bus, bus.stdout.readline().decode().strip()


def serve(control, pidfile, command):
    """Runs command with the pad plugged in and a session bus of its own, writes the
    command's process id to pidfile, then "reading" to it once the command reads the
    pad, and takes one order a line from the FIFO control: tap|press|release NAME,
    plug, unplug. Ends with the command's status."""
    reexec()
    pad = FakePad()
    bus, address = session_bus(os.environ)
    env = dict(without_preload(os.environ), **pad.env(), DBUS_SESSION_BUS_ADDRESS=address)
    child = subprocess.Popen(command, env=env)
    with open(pidfile, "w") as f:
        f.write("%d\n" % child.pid)

    def orders():
        # Opened for writing too, so that the open does not wait for a writer: inside
        # umockdev's library a waiting open holds the lock every file call here takes.
        fifo = os.open(control, os.O_RDWR | os.O_NONBLOCK)
        pending = b""
        while child.poll() is None:
            if not select.select([fifo], [], [], 0.1)[0]:
                continue
            pending += os.read(fifo, 4096)
            while b"\n" in pending:
                line, pending = pending.split(b"\n", 1)
                words = line.decode().split()
                if words and words[0] in ("tap", "press", "release") and len(words) == 2:
                    getattr(pad, words[0])(words[1])
                elif words in (["plug"], ["unplug"]):
                    getattr(pad, words[0])()

    threading.Thread(target=orders, daemon=True).start()
    while child.poll() is None and not pad.reading():
        time.sleep(0.01)
    if child.poll() is None:
        with open(pidfile, "a") as f:
            f.write("reading\n")
    status = child.wait()
    bus.kill()
    bus.wait()
    pad.close()
    return status


if __name__ == "__main__":
    # fakepad.py serve CONTROL-FIFO PIDFILE -- COMMAND...
    if len(sys.argv) < 5 or sys.argv[1] != "serve" or sys.argv[4] != "--":
        sys.exit("usage: fakepad.py serve CONTROL-FIFO PIDFILE -- COMMAND...")
    sys.exit(serve(sys.argv[2], sys.argv[3], sys.argv[5:]))
