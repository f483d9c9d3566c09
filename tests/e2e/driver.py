"""Drives the real utility on a private virtual display.

A `Desktop` owns an Xvfb server, a private D-Bus message bus and the accessibility bus;
an `App` is one run of the executable on it. Texts are read through the
accessibility tree, so checks see what a user sees; input goes in through
xdotool as real key presses and mouse clicks. Every process started here is
killed on exit, whatever happened.
"""

import contextlib
import ctypes
import ctypes.util
import os
import shutil
import signal
import subprocess
import tempfile
import time

WINDOW_CAPTION = "IP Camera ISP Utility"
SCREEN = "1024x768x24"


class E2EError(AssertionError):
    pass


def wait_until(what, probe, timeout, interval=0.05):
    """Returns probe()'s first truthy result, or fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise E2EError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def _interrupt(signum, frame):
    raise KeyboardInterrupt


def _kill_group(proc, grace=2.0):
    if proc is None or proc.poll() is not None:
        return
    with contextlib.suppress(ProcessLookupError):
        os.killpg(proc.pid, signal.SIGTERM)
    try:
        proc.wait(grace)
    except subprocess.TimeoutExpired:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()


class Desktop:
    """Xvfb + private message bus + accessibility bus, torn down in reverse order."""

    def __init__(self, artefacts):
        self.artefacts = artefacts
        os.makedirs(artefacts, exist_ok=True)
        self._procs = []
        self.env = dict(os.environ)
        self.env["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(prefix="isp-e2e-")  # Qt wants a private one
        for var in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                    "QT_QPA_PLATFORM", "SESSION_MANAGER"):
            self.env.pop(var, None)

    def __enter__(self):
        # A SIGTERM from a parent must still run the cleanup.
        self._old_term = signal.signal(signal.SIGTERM, _interrupt)
        try:
            self._start_xvfb()
            self._start_session_bus()
            self._start_accessibility_bus()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        for proc in reversed(self._procs):
            _kill_group(proc)
        self._procs.clear()
        shutil.rmtree(self.env["XDG_RUNTIME_DIR"], ignore_errors=True)
        signal.signal(signal.SIGTERM, self._old_term)

    def _spawn(self, argv, **kw):
        proc = subprocess.Popen(argv, env=self.env, start_new_session=True, **kw)
        self._procs.append(proc)
        return proc

    def _log(self, name):
        return open(os.path.join(self.artefacts, name), "wb")

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", SCREEN, "-nolisten", "tcp", "-noreset"],
                    pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=self._log("xvfb.log"))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise E2EError("Xvfb did not start (see xvfb.log)")
        self.display = ":" + number
        self.env["DISPLAY"] = self.display

    def _start_session_bus(self):
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, stderr=self._log("dbus.log"))
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise E2EError("dbus-daemon did not start (see dbus.log)")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _start_accessibility_bus(self):
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                    stdout=subprocess.DEVNULL, stderr=self._log("at-spi.log"))
        # pyatspi reads the bus addresses from the environment when it is first used.
        os.environ["DISPLAY"] = self.display
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        wait_until("the accessibility bus", self._accessibility_bus_up, 10, 0.1)

    def _accessibility_bus_up(self):
        probe = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True, timeout=5)
        return probe.returncode == 0

    def xdotool(self, *args, timeout=10):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, timeout=timeout)
        return result.stdout.strip() if result.returncode == 0 else None

    def close_window(self, window):
        """Asks the window to close, as a window manager's close button does."""
        _send_delete_window(self.display, int(window))

    def screenshot(self, name):
        path = os.path.join(self.artefacts, name + ".png")
        subprocess.run(["import", "-display", self.display, "-window", "root", path], env=self.env,
                       capture_output=True, timeout=20, check=True)
        return path

    def start(self, exe, sim_dir, extra_env=None, cwd=None):
        env = dict(self.env, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   ISPSIM_DIR=sim_dir, **(extra_env or {}))
        proc = subprocess.Popen([exe], env=env, cwd=cwd or os.path.dirname(exe), start_new_session=True,
                                stdout=self._log("app.out"), stderr=self._log("app.err"))
        self._procs.append(proc)
        return App(self, proc, os.path.basename(exe))


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


def _send_delete_window(display_name, window):
    # xdotool's windowclose destroys the window instead; a close request is a
    # WM_DELETE_WINDOW client message.
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        raise E2EError(f"cannot open display {display_name}")
    try:
        event = _XEvent()
        event.client.type = 33  # ClientMessage
        event.client.window = window
        event.client.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.client.format = 32
        event.client.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.client.data[1] = 0  # CurrentTime
        x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    finally:
        x11.XCloseDisplay(display)  # flushes the request


def _atspi():
    import pyatspi  # imported late: it must see the private buses

    # The utility answers only when it processes messages; a question asked
    # during its 2.5 s pause must wait for the answer rather than give up.
    pyatspi.Atspi.set_timeout(10000, 15000)
    return pyatspi


def children_of(node):
    try:
        return [c for c in node if c is not None]
    except Exception:  # a node can vanish while it is being walked
        return []


def _walk(node):
    yield node
    for child in children_of(node):
        yield from _walk(child)


def name_of(node):
    try:
        return node.name or ""
    except Exception:  # gone, or the utility is busy and did not answer in time
        return None


def role_of(node):
    try:
        return node.getRoleName()
    except Exception:
        return None


def _has_state(node, state_name):
    try:
        return node.getState().contains(getattr(_atspi(), state_name))
    except Exception:
        return False


def is_showing(node):
    return _has_state(node, "STATE_SHOWING")


def is_enabled(node):
    return _has_state(node, "STATE_ENABLED")


def is_checked(node):
    return _has_state(node, "STATE_CHECKED")


def text_of(node):
    """What a user reads in the node: an edit's contents, otherwise its name.

    Labels cost one round trip, so a poll sees even a text that stands for a
    single pass of the utility's message processing."""
    if role_of(node) in ("text", "entry", "password text"):
        with contextlib.suppress(Exception):
            text = node.queryText()
            return text.getText(0, text.characterCount)
    return name_of(node)


class App:
    def __init__(self, desktop, proc, name):
        self.desktop = desktop
        self.proc = proc
        self.name = name
        self._root = None
        self._panels = None

    # -- process -------------------------------------------------------------
    def wait_exit(self, timeout=15):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EError(f"the utility did not end within {timeout} s") from None

    def running(self):
        return self.proc.poll() is None

    # -- X windows -----------------------------------------------------------
    def window_ids(self, name=None):
        # xdotool ORs its conditions unless told --all.
        args = ["search", "--all", "--onlyvisible", "--pid", self.proc.pid]
        if name is not None:
            args += ["--name", f"^{name}$"]
        found = self.desktop.xdotool(*args)
        return found.split() if found else []

    def wait_window(self, name=WINDOW_CAPTION, timeout=20):
        # Qt sets _NET_WM_PID, so the search is limited to this run's windows.
        return wait_until(f'a window named "{name}"', lambda: self.window_ids(name), timeout)[0]

    def geometry(self, window):
        out = self.desktop.xdotool("getwindowgeometry", "--shell", window) or ""
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return {k: int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")}

    # -- accessibility tree ---------------------------------------------------
    def root(self, timeout=20):
        def find():
            desktop = _atspi().Registry.getDesktop(0)
            for app in children_of(desktop):
                with contextlib.suppress(Exception):
                    if app.get_process_id() == self.proc.pid:
                        return app
            return None

        if self._root is None:
            self._root = wait_until(f"{self.name} on the accessibility bus", find, timeout, 0.2)
            # Only what never changes may be cached; names, states and children are read afresh.
            cache = _atspi().Atspi.Cache
            self._root.set_cache_mask(cache.ROLE | cache.INTERFACES)
        return self._root

    def find_all(self, role=None, name=None, where=None):
        found = []
        for node in _walk(self.root()):
            if role is not None and role_of(node) != role:
                continue
            if name is not None and name_of(node) != name:
                continue
            if where is not None and not where(node):
                continue
            found.append(node)
        return found

    def wait_for(self, what, timeout=15, **criteria):
        return wait_until(what, lambda: self.find_all(**criteria), timeout, 0.1)[0]

    def dialogs(self):
        """Top-level dialogs and message boxes that are on screen."""
        return [n for n in children_of(self.root())
                if role_of(n) in ("dialog", "alert", "file chooser") and is_showing(n)]

    def frame(self):
        frames = [n for n in children_of(self.root()) if name_of(n) == WINDOW_CAPTION]
        if not frames:
            raise E2EError("the main window is not in the accessibility tree")
        return frames[0]

    def status_panels(self):
        """The status bar's panels, left to right (accessible nodes; read with text_of)."""
        if self._panels is None:
            self._panels = self._find_status_panels()
        return self._panels

    def status_texts(self):
        return [text_of(p) for p in self.status_panels()]

    def _find_status_panels(self):
        # A classic status bar is a row of labels along the bottom of the window;
        # take the lowest row of at least three sibling labels.
        rows = []
        window = self.frame()
        for node in _walk(window):
            labels = [c for c in children_of(node) if role_of(c) == "label"]
            if len(labels) >= 3 and node != window:
                extents = [self._extents(c) for c in labels]
                if len({e.y for e in extents}) == 1:
                    rows.append((extents[0].y, sorted(labels, key=lambda c: self._extents(c).x)))
        if not rows:
            raise E2EError("no status bar panels in the accessibility tree")
        return max(rows, key=lambda row: row[0])[1]

    @staticmethod
    def _extents(node):
        return node.queryComponent().getExtents(_atspi().DESKTOP_COORDS)

    def texts(self, node):
        """Every non-empty text shown inside node, in tree order."""
        return [t for t in (text_of(n) for n in _walk(node)) if t]

    def centre(self, node):
        ext = self._extents(node)
        if ext.width <= 0 or ext.height <= 0:
            raise E2EError(f'"{name_of(node)}" has no extent on screen')
        return ext.x + ext.width // 2, ext.y + ext.height // 2

    # -- input ---------------------------------------------------------------
    def click(self, node):
        x, y = self.centre(node)
        self.desktop.xdotool("mousemove", "--sync", x, y)
        self.desktop.xdotool("click", "1")

    def focus(self, window):
        # No window manager: give the window the X input focus ourselves.
        self.desktop.xdotool("windowfocus", "--sync", window)

    def keys(self, *keys):
        self.desktop.xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self.desktop.xdotool("type", "--delay", "10", text, timeout=60)

    def focus_newest_window(self):
        """Gives the input focus to the window opened last (a dialog over the main window)."""
        windows = self.window_ids()
        if windows:
            self.focus(windows[-1])

    # -- the utility's flows ---------------------------------------------------
    def wait_dialog(self, timeout=15):
        return wait_until("a dialog", self.dialogs, timeout, 0.1)[0]

    def wait_no_dialog(self, timeout=15):
        wait_until("the dialog to close", lambda: not self.dialogs(), timeout, 0.1)

    def button(self, caption):
        return self.wait_for(f'the "{caption}" button', role="push button", name=caption)

    def choose_firmware(self, path):
        """Picks path through the real file chooser: "...", type the name, Enter."""
        self.click(self.button("..."))
        chooser = self.wait_dialog()
        self.focus_newest_window()
        self.type(path)
        # Enter only once the whole name has arrived: a lost key would open another file.
        def typed():
            return path in [text_of(n) for n in _walk(chooser) if role_of(n) == "text"]

        wait_until(f'"{path}" in the file name field', typed, 10, 0.1)
        self.keys("Return")
        self.wait_no_dialog()

    def answer_message(self, screenshot=None):
        """Reads the open message box's texts, then closes it with Enter."""
        box = self.wait_dialog(timeout=30)
        texts = [t for t in self.texts(box) if t not in ("OK", name_of(box))]
        if screenshot:
            self.desktop.screenshot(screenshot)
        self.focus_newest_window()
        self.keys("Return")
        return "\n".join(texts)

    def watch_status(self, until, on_text=None, timeout=90, interval=0.05):
        """Polls status panel 0 and reports each new text until until(text) holds
        or a message box opens. Returns the texts seen, in order.

        The panel is the only thing asked through accessibility here (message
        boxes are spotted as new X windows), so the question pending while the
        utility does not process messages is always the panel's, and the text
        it shows when it next does is seen."""
        panel = self.status_panels()[0]
        windows = len(self.window_ids())
        seen = []
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            text = text_of(panel)
            if text is not None and (not seen or text != seen[-1]):
                seen.append(text)
                if on_text:
                    on_text(text)
            if (text is not None and until(text)) or len(self.window_ids()) > windows or not self.running():
                return seen
            time.sleep(interval)
        raise E2EError(f"timed out after {timeout} s watching the status bar; saw {seen}")
