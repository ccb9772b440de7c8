"""A real X display, the program on it, real input through xdotool and the program's
accessibility tree, with every wait a poll of what the program shows."""

import os
import subprocess
import tempfile
import time

import pyatspi
from gi.repository import GLib

POLL_SECONDS = 0.02
PATIENCE_SECONDS = 60


class EndToEndFailure(Exception):
    pass


def wait_until(condition, what, patience=PATIENCE_SECONDS):
    """Polls until condition() gives something true and returns it."""
    deadline = time.monotonic() + patience
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise EndToEndFailure(f"gave up waiting for {what}")
        time.sleep(POLL_SECONDS)


class Display:
    """An Xvfb server on the first free display number. It never resets: a reset, when the last
    client leaves, would drop a window manager that connects at that moment."""

    WIDTH, HEIGHT = 1280, 1024

    def __init__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.WIDTH}x{self.HEIGHT}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number:
            raise EndToEndFailure("Xvfb did not start")
        self.name = f":{number}"

    def close(self):
        self.server.terminate()
        self.server.wait()


class WindowManager:
    """openbox on the display, for as long as the with-block runs."""

    def __init__(self, display):
        self.display = display

    def __enter__(self):
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=self.display.name),
            stdout=self.log, stderr=subprocess.STDOUT)
        wait_until(self._managing, "openbox to manage the display")
        return self

    def _managing(self):
        """Whether openbox keeps the current desktop, which xdotool can read only from a window
        manager; an openbox that has ended fails the run with what it said."""
        if self.process.poll() is not None:
            self.log.seek(0)
            said = self.log.read().decode(errors="replace").strip()
            raise EndToEndFailure(f"openbox ended with status {self.process.returncode}: {said}")
        return subprocess.run(
            ["xdotool", "get_desktop"], env=dict(os.environ, DISPLAY=self.display.name),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()
        self.log.close()


class Program:
    """The program under test, started on a display with its accessibility bridge on."""

    def __init__(self, executable, display, language, **settings):
        environment = dict(os.environ, DISPLAY=display.name, QT_QPA_PLATFORM="xcb",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL=language,
                           LANG=language, **settings)
        environment.pop("LC_NUMERIC", None)
        self.display = display
        # The accessibility tree gives places in the program's own pixels, the scale's share
        # of the screen's.
        self.scale = float(settings.get("QT_SCALE_FACTOR", 1))
        self.process = subprocess.Popen([executable], env=environment)
        self.root = wait_until(self._find_in_registry, "the program in the accessibility tree")

    def _find_in_registry(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.get_process_id() == self.process.pid:
                # Seen before its main window was made, the program would keep a cached count
                # of no windows.
                application.clear_cache()
                return application if application.childCount > 0 else None
        return None

    def alive(self):
        return self.process.poll() is None

    def windows(self):
        """The program's open top-level windows, message boxes included."""
        self.root.clear_cache()
        return children(self.root)

    def window(self, title):
        return next((window for window in self.windows() if window.name == title), None)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], check=True,
                       env=dict(os.environ, DISPLAY=self.display.name))

    def press_key(self, key):
        self.xdotool("key", "--clearmodifiers", key)

    def type_text(self, text):
        self.xdotool("type", "--delay", "10", text)

    def click(self, control):
        """A real click; returns once the program has handled the release, which a button
        shows by being pressed and then no longer (or by closing with its window)."""
        x, y = centre(control)
        is_button = control.getRoleName() == "push button"
        name = control.name
        self.xdotool("mousemove", str(x), str(y), "mousedown", "1")
        if is_button:
            wait_until(lambda: has_state(control, "pressed"), f"{name} to go down")
        self.xdotool("mouseup", "1")
        if is_button:
            wait_until(lambda: gone(control) or not has_state(control, "pressed"),
                       f"{name} to come up")

    def on_screen(self, window):
        x, y, width, height = (round(value * self.scale) for value in extents(window))
        return x >= 0 and y >= 0 and x + width <= Display.WIDTH and y + height <= Display.HEIGHT

    def screenshot(self, window, path, title_bar=0):
        """The window as drawn, with `title_bar` screen pixels above it for a window manager's
        title bar."""
        x, y, width, height = (round(value * self.scale) for value in extents(window))
        top = max(0, y - title_bar)
        geometry = f"{width}x{height + y - top}+{x}+{top}"
        subprocess.run(["import", "-display", self.display.name, "-window", "root", "-crop",
                        geometry, "+repage", path], check=True)

    def close(self):
        if self.alive():
            self.process.kill()
        self.process.wait()


def gone(node):
    """Whether the control no longer exists in the program."""
    try:
        node.clear_cache()
        node.getState()
        return False
    except GLib.GError:
        return True


def children(node):
    return [child for child in (node.getChildAtIndex(i) for i in range(node.childCount))
            if child is not None]


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def find(node, role, name=None, description=None):
    node.clear_cache()
    for candidate in descendants(node):
        if (candidate.getRoleName() == role and (name is None or candidate.name == name)
                and (description is None or candidate.description == description)):
            return candidate
    return None


def focused(window):
    """The control of the window that has the keyboard focus, if any. A page tab is left out:
    the current one reads as focused wherever the focus is."""
    window.clear_cache()
    return next((node for node in descendants(window)
                 if node.getRoleName() != "page tab" and has_state(node, "focused")), None)


def has_state(node, state):
    return state in states(node)


def states(node):
    node.clear_cache()
    return {pyatspi.stateToString(state) for state in node.getState().getStates()}


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def inside(node, outer):
    x, y, width, height = extents(node)
    left, top, outer_width, outer_height = extents(outer)
    return (left <= x and top <= y and x + width <= left + outer_width
            and y + height <= top + outer_height)


def centre(node):
    x, y, width, height = extents(node)
    return x + width // 2, y + height // 2


def text_of(node):
    """What the node shows: its text where it offers one (input boxes, and output labels,
    whose name says what they show), otherwise its name."""
    node.clear_cache()
    try:
        text = node.queryText()
    except NotImplementedError:
        return node.name
    return text.getText(0, text.characterCount)
