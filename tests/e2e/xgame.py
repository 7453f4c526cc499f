"""The real game in a virtual X display, driven as a player drives it.

Each run gets its own Xvfb (which picks a free display number itself), its own
game folder for saves and settings, and real synthetic input from xdotool.
The game, started with GRAYMARCH_TRACE set, says on stderr when it first shows
a frame and when a dialog opens or closes, and where; the driver checks what
the player would see by reading pixels of xwd screenshots.

A run exits 77 (skipped) only when no display server can start; any other
trouble fails it, naming the probe that failed with the colour it wanted and
the colour it found, and keeping the screenshots in the run's folder.
"""

import ctypes
import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib

SKIP = 77
SCREEN = "1024x768x24"
FRAME_WIDTH = 800
FRAME_HEIGHT = 600
POLL_SECONDS = 0.05

# What the game may inherit from the test's environment: the sanitizers'
# settings and where to find libraries; nothing of the desktop it runs on.
INHERITED = ("PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS")


class Failure(Exception):
    """A stage that did not come about as the player would have seen it."""


class NoDisplay(Exception):
    """No virtual display server could start on this machine."""


def wait_for(condition, timeout, what):
    """Polls `condition` until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"{what}: nothing after {timeout} s")
        time.sleep(POLL_SECONDS)


class Probe:
    """A named pixel of the frame and the colour the player should see there."""

    def __init__(self, name, x, y, colour, tolerance=12):
        self.name = name
        self.x = x
        self.y = y
        self.colour = colour
        self.tolerance = tolerance

    def matches(self, shot):
        actual = shot.at(self.x, self.y)
        return all(abs(a - e) <= self.tolerance for a, e in zip(actual, self.colour))

    def report(self, shot):
        return (f'"{self.name}" at ({self.x},{self.y}): expected {hex_colour(self.colour)} '
                f"(within {self.tolerance}), found {hex_colour(shot.at(self.x, self.y))}")


def hex_colour(colour):
    return "#%02x%02x%02x" % tuple(colour)


class Shot:
    """One screenshot of the game's window, read in frame coordinates."""

    def __init__(self, width, height, stride, pixels, viewport):
        self.width = width
        self.height = height
        self.stride = stride
        self.pixels = pixels
        self.left, self.top, self.scale = viewport

    def at(self, x, y):
        wx = self.left + int(x * self.scale)
        wy = self.top + int(y * self.scale)
        if not (0 <= wx < self.width and 0 <= wy < self.height):
            return (0, 0, 0)
        i = wy * self.stride + wx * 4
        return (self.pixels[i + 2], self.pixels[i + 1], self.pixels[i])

    def region(self, x, y, width, height):
        """The colours of a rectangle of the frame, row by row."""
        return [self.at(x + dx, y + dy) for dy in range(height) for dx in range(width)]

    def save_png(self, path):
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)
            line = self.pixels[y * self.stride:y * self.stride + self.width * 4]
            for x in range(0, len(line), 4):
                rows += bytes((line[x + 2], line[x + 1], line[x]))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                      chunk(b"IDAT", zlib.compress(bytes(rows), 1)) + chunk(b"IEND", b""))


def read_xwd(data, viewport):
    """An xwd dump of a 24-bit TrueColor window, 32 bits a pixel."""
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, _, width, height, _, byte_order = fields[:8]
    bits_per_pixel, stride = fields[11], fields[12]
    red_mask, colours = fields[14], fields[19]
    if bits_per_pixel != 32 or red_mask != 0xFF0000 or byte_order != 0:
        raise Failure(f"screenshot in an unexpected pixel format ({bits_per_pixel} bits, "
                      f"red mask {red_mask:#x}, byte order {byte_order})")
    start = header_size + colours * 12
    return Shot(width, height, stride, data[start:start + stride * height], viewport)


def end_with_driver():
    """Run in each child before it starts: the child is killed when the driver
    ends, even when CTest kills the driver at its time limit."""
    set_parent_death_signal = 1
    ctypes.CDLL(None).prctl(set_parent_death_signal, signal.SIGKILL)


def start_display(log):
    """Starts Xvfb on a display number it chooses; (process, ':N'). The server
    does not reset when its last client leaves: a run that starts the game
    afresh would otherwise find it closed to connections for that moment."""
    read_end, write_end = os.pipe()
    try:
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=log, stderr=log, preexec_fn=end_with_driver)
    except OSError as error:
        raise NoDisplay(f"Xvfb cannot run: {error}")
    finally:
        os.close(write_end)
    number = b""
    deadline = time.monotonic() + 20
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], 0.2)
        if ready:
            part = os.read(read_end, 16)
            if not part:
                break
            number += part
    os.close(read_end)
    if not number.strip().isdigit():
        server.kill()
        server.wait()
        raise NoDisplay("Xvfb started but named no display")
    return server, ":" + number.strip().decode()


class Modal:
    """A dialog the game says is open: its name and its client area in the frame."""

    def __init__(self, name, x, y, width, height):
        self.name = name
        self.x = x
        self.y = y
        self.width = width
        self.height = height

    def point(self, x, y):
        """A point of the dialog's client area in frame coordinates."""
        return (self.x + x, self.y + y)

    def __repr__(self):
        return f"{self.name} at ({self.x},{self.y}) {self.width}x{self.height}"


class Game:
    """One running graymarch in the given display, saving into `folder`."""

    def __init__(self, program, display, folder):
        self.display = display
        self.folder = folder
        self.modals = []
        self.opened = []
        self.first_frame = None
        self.errors = []
        self.lock = threading.Lock()
        home = os.path.join(folder, "home")
        os.makedirs(home, exist_ok=True)
        env = {key: os.environ[key] for key in INHERITED if key in os.environ}
        env.update(DISPLAY=display, HOME=home, SDL_AUDIODRIVER="dummy", SDL_VIDEODRIVER="x11",
                   GRAYMARCH_TRACE="1")
        self.started = time.monotonic()
        self.process = subprocess.Popen([program], cwd=folder, env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                        preexec_fn=end_with_driver)
        self.reader = threading.Thread(target=self._read_trace, daemon=True)
        self.reader.start()
        self.window = None
        self.viewport = None

    def _read_trace(self):
        for raw in self.process.stderr:
            line = raw.decode(errors="replace").rstrip("\n")
            words = line.split()
            with self.lock:
                if line == "trace: frame":
                    self.first_frame = time.monotonic()
                elif words[:2] == ["trace:", "modal"] and len(words) == 7:
                    modal = Modal(words[2], *map(int, words[3:7]))
                    self.modals.append(modal)
                    self.opened.append(modal.name)
                elif words[:2] == ["trace:", "closed"] and self.modals:
                    self.modals.pop()
                else:
                    self.errors.append(line)

    def top_modal(self):
        with self.lock:
            return self.modals[-1] if self.modals else None

    def modal_depth(self):
        with self.lock:
            return len(self.modals)

    def peak_memory_mb(self):
        """The most resident memory the game has held so far, in megabytes."""
        with open(f"/proc/{self.process.pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
        return 0.0

    def running(self):
        return self.process.poll() is None

    def mapped_files(self):
        """The files the running game has mapped: its program and its libraries."""
        with open(f"/proc/{self.process.pid}/maps") as maps:
            return {fields[5] for fields in map(str.split, maps) if len(fields) > 5}

    def _xdotool(self, *args):
        result = subprocess.run(["xdotool", *map(str, args)], env=dict(os.environ, DISPLAY=self.display),
                                capture_output=True, text=True, timeout=20)
        return result.stdout

    def find_window(self, timeout=20):
        """Waits for the game's window and reads where the frame sits in it."""
        def window():
            if not self.running():
                raise Failure(f"the game ended with {self.process.returncode} before its window showed")
            found = self._xdotool("search", "--onlyvisible", "--pid", self.process.pid).split()
            return found[0] if found else None
        self.window = wait_for(window, timeout, "the game's window")
        geometry = dict(line.split("=", 1)
                        for line in self._xdotool("getwindowgeometry", "--shell", self.window).split())
        self.window_x, self.window_y = int(geometry["X"]), int(geometry["Y"])
        width, height = int(geometry["WIDTH"]), int(geometry["HEIGHT"])
        # The frame fills the window in its own shape, centred.
        scale = min(width / FRAME_WIDTH, height / FRAME_HEIGHT)
        left = (width - round(FRAME_WIDTH * scale)) // 2
        top = (height - round(FRAME_HEIGHT * scale)) // 2
        self.viewport = (left, top, scale)
        self._xdotool("windowfocus", self.window)
        return self.window

    def screen_point(self, x, y):
        left, top, scale = self.viewport
        return (self.window_x + left + int((x + 0.5) * scale), self.window_y + top + int((y + 0.5) * scale))

    def click(self, x, y, button=1):
        self._xdotool("mousemove", *self.screen_point(x, y), "click", button)

    def drag(self, points, before_release=None, button=1):
        """Presses at the first point, moves through the others and lets go at
        the last, after `before_release()` when given."""
        first, *rest = points
        self._xdotool("mousemove", *self.screen_point(*first), "mousedown", button)
        for point in rest:
            self._xdotool("mousemove", *self.screen_point(*point), "sleep", "0.05")
        if before_release:
            before_release()
        self._xdotool("mouseup", button)

    def key(self, *names):
        self._xdotool("key", "--delay", "30", *names)

    def type(self, text):
        self._xdotool("type", "--delay", "30", text)

    def shot(self):
        data = subprocess.run(["xwd", "-silent", "-id", self.window], capture_output=True,
                              env=dict(os.environ, DISPLAY=self.display), timeout=20).stdout
        if len(data) < 100:
            raise Failure("xwd took no screenshot of the game's window")
        return read_xwd(data, self.viewport)

    def wait_modal(self, name, timeout=20):
        """Waits until the named dialog is the one in front, and returns it."""
        def opened():
            if not self.running():
                raise Failure(f"the game ended with {self.process.returncode} while {name} was awaited")
            top = self.top_modal()
            return top if top and top.name == name else None
        try:
            return wait_for(opened, timeout, f"dialog {name}")
        except Failure:
            raise Failure(f"dialog {name} did not open; in front: {self.top_modal() or 'the main window'}")

    def wait_closed(self, depth, timeout=20):
        """Waits until no more than `depth` dialogs are open."""
        wait_for(lambda: self.modal_depth() <= depth, timeout,
                 f"{self.top_modal()} to close")

    def quit_code(self, timeout=20):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the game was still running {timeout} s after it was asked to quit")

    def stop(self):
        if self.running():
            self.process.kill()
        self.process.wait()
        self.reader.join(5)


class Run:
    """One end-to-end run: its display, its folder, its game and its stages."""

    def __init__(self, program, name):
        self.program = program
        self.name = name
        self.folder = tempfile.mkdtemp(prefix=name + "-", dir=os.getcwd())
        self.log = open(os.path.join(self.folder, "xvfb.log"), "wb")
        self.server = None
        self.game = None
        self.stage = "start"
        self.started = time.monotonic()
        self.shots = 0
        self.seen = []

    def start_display(self):
        self.server, self.display = start_display(self.log)

    def launch(self):
        self.game = Game(self.program, self.display, self.folder)
        self.game.find_window()
        return self.game

    def begin(self, stage):
        self.stage = stage
        print(f"{time.monotonic() - self.started:5.1f} s  stage: {stage}", flush=True)

    def keep(self, shot, what):
        self.shots += 1
        name = f"{self.shots:02d}-{what}.png".replace(" ", "_").replace(":", "")
        shot.save_png(os.path.join(self.folder, name))
        return name

    def expect(self, probes, timeout=20):
        """Waits until every probe shows its colour; the last screenshot is returned."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.game.shot()
            failing = [probe for probe in probes if not probe.matches(shot)]
            if not failing:
                return shot
            if time.monotonic() > deadline:
                kept = self.keep(shot, self.stage)
                details = "\n  ".join(probe.report(shot) for probe in failing)
                raise Failure(f"{len(failing)} probe(s) failed after {timeout} s (screenshot {kept}):\n  "
                              f"{details}")
            if not self.game.running():
                raise Failure(f"the game ended with {self.game.process.returncode}")
            time.sleep(POLL_SECONDS)

    def expect_that(self, what, condition, timeout=20):
        """Waits until `condition(shot)` holds; the last screenshot is returned."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.game.shot()
            if condition(shot):
                return shot
            if time.monotonic() > deadline:
                raise Failure(f"{what}: not so after {timeout} s (screenshot {self.keep(shot, self.stage)})")
            time.sleep(POLL_SECONDS)

    def expect_change(self, what, region, action, timeout=5):
        """Does `action()` and waits until the region of the frame (x, y,
        width, height) shows something else than before it."""
        before = self.game.shot().region(*region)
        action()
        return self.expect_that(what, lambda shot: shot.region(*region) != before, timeout)

    def finish(self, passed):
        if self.game:
            self.game.stop()
        if self.server:
            self.server.terminate()
            try:
                self.server.wait(10)
            except subprocess.TimeoutExpired:
                self.server.kill()
        self.log.close()
        if passed:
            shutil.rmtree(self.folder, ignore_errors=True)


def play(name, stages):
    """Runs `stages(run)` against the program named on the command line and
    exits as CTest expects: 0 passed, 77 skipped, 1 failed."""
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} path/to/graymarch")
    # Stopped from outside, the run still tidies up after itself.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    run = Run(sys.argv[1], name)
    started = time.monotonic()
    try:
        run.start_display()
    except NoDisplay as reason:
        run.finish(True)
        print(f"skipped: {reason}")
        sys.exit(SKIP)
    passed = False
    try:
        run.launch()
        stages(run)
        passed = True
    except Failure as failure:
        print(f"FAILED at stage '{run.stage}': {failure}")
        if run.game and run.game.running():
            print(f"last screenshot: {run.keep(run.game.shot(), 'at failure')}")
    finally:
        run.finish(passed)
    if passed:
        print(f"passed in {time.monotonic() - started:.1f} s")
        return
    if run.game.errors:
        print("the game's own output:\n  " + "\n  ".join(run.game.errors[-40:]))
    print(f"dialogs opened: {' '.join(run.game.opened) or 'none'}")
    print(f"screenshots and logs kept in {run.folder}")
    sys.exit(1)
