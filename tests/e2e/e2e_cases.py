#!/usr/bin/python3
"""End-to-end runs of the real utility against the simulated camera, and of the gallery.

    e2e_cases.py CASE --bindir DIR --artefacts DIR

Each case starts the executable from DIR on its own virtual display, drives it
like a user and checks what the user sees and what the camera received.
Screenshots and logs land in the artefacts folder.
"""

import argparse
import filecmp
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import driver  # noqa: E402
from driver import E2EError, WINDOW_CAPTION  # noqa: E402

# Small enough to keep a run short, slow enough that the stages can be watched.
SIM_DELAY_US = "20"
GALLERY_CAPTION = "Skinned Controls Gallery"


def check(condition, message):
    if not condition:
        raise E2EError(message)


def check_equal(actual, expected, what):
    check(actual == expected, f"{what}: expected {expected!r}, got {actual!r}")


def sim_status(sim_dir):
    path = os.path.join(sim_dir, "status.txt")
    check(os.path.exists(path), "the camera wrote no status.txt")
    with open(path) as f:
        return dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)


STAGES = ["", "8051 download mode", "Boot code to SRAM...", "wait...", "boot code running...",
          "Firmware updating..."]


def check_stage_order(seen, blocks, final=None):
    """Every text seen in panel 0 is a stage text, and they come in the update's order.
    Polling misses texts that stand for a moment only, so gaps are allowed."""
    def rank(text):
        if text in STAGES:
            return STAGES.index(text)
        match = re.fullmatch(r"(\d+)/(\d+)\.\.\.", text)
        if match and int(match[2]) == blocks and 1 <= int(match[1]) <= blocks:
            return len(STAGES) + int(match[1])
        if final is not None and text == final:
            return len(STAGES) + blocks + 1
        raise E2EError(f"unexpected text in status panel 0: {text!r} (seen: {seen})")

    ranks = [rank(text) for text in seen]
    check(ranks == sorted(set(ranks)), f"status panel 0 went out of order: {seen}")


def rgb_bytes(path, crop=None):
    """The pixels of a picture, or of a rectangle (x, y, width, height) of it, as RGB bytes."""
    args = ["convert", path]
    if crop:
        x, y, w, h = crop
        args += ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
    return subprocess.run(args + ["-depth", "8", "rgb:-"], capture_output=True, check=True).stdout


def blocks_of(path):
    return (os.path.getsize(path) + 127) // 128


def same_file(a, b, what):
    check(os.path.exists(a), f"{what}: {a} is missing")
    check(filecmp.cmp(a, b, shallow=False), f"{what}: {a} differs from {b}")


class Case:
    def __init__(self, bindir, artefacts):
        self.bindir = os.path.abspath(bindir)
        self.exe = os.path.join(self.bindir, "ispupdate")
        self.sample = os.path.join(self.bindir, "sample_firmware.bin")
        self.bootcode = os.path.join(self.bindir, "bootcode.bin")
        self.artefacts = artefacts
        check(os.access(self.exe, os.X_OK), f"{self.exe} is not built")
        self.sim_dir = tempfile.mkdtemp(prefix="ispsim-")

    def start(self, desktop, exe=None, **sim_env):
        env = {"ISPSIM_DELAY_US": SIM_DELAY_US, **sim_env}
        app = desktop.start(exe or self.exe, self.sim_dir, env)
        return app, app.wait_window()

    def window(self):
        """The window opens as laid out, idle, with the boot code loaded, and closes with 0."""
        with driver.Desktop(self.artefacts) as desktop:
            app, window = self.start(desktop)
            desktop.screenshot("idle")
            geometry = app.geometry(window)
            check_equal((geometry["X"], geometry["Y"]), (197, 155), "window position")
            check_equal((geometry["WIDTH"], geometry["HEIGHT"]), (326, 155), "window size")
            check_equal(driver.name_of(app.frame()), WINDOW_CAPTION, "window caption")
            check_equal(app.status_texts(), ["", "", "Boot code file ok"], "status panels at start")
            check(app.button("Update Firmware") is not None, "no Update button")
            check(not app.find_all(role="progress bar", where=driver.is_showing),
                  "the progress bar shows before any update")
            check(app.running(), "the utility ended by itself")
            desktop.close_window(window)
            check_equal(app.wait_exit(), 0, "exit code after closing the window")

    def frame(self):
        """The skinned frame: its title bar shows the three buttons where the layout puts them,
        dragging the bar moves the window and the close button closes it."""
        pictures = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "pictures")
        with driver.Desktop(self.artefacts) as desktop:
            app, window = self.start(desktop)
            start = app.geometry(window)
            frame_x, frame_y = start["X"] + 1, start["Y"]  # the frame sits 1 pixel in
            # The window may map before its first paint: look until the buttons show.
            buttons = {kind: (frame_x + x, frame_y + 4, 17, 17)
                       for kind, x in (("CTLBOX", 3), ("CLOSE", 305), ("MIN", 287))}

            def misplaced():
                shot = desktop.screenshot("frame")
                return [kind for kind, rect in buttons.items()
                        if rgb_bytes(shot, rect) != rgb_bytes(os.path.join(pictures, f"MACOS_TITLEBTN_{kind}_NORMAL.png"))]

            driver.wait_until("the control box, close and minimise buttons at x 3, 305 and 287 of the title bar",
                              lambda: not misplaced(), 10, 0.2)

            grab = (frame_x + 150, frame_y + 10)  # between caption and buttons
            desktop.xdotool("mousemove", "--sync", *grab)
            desktop.xdotool("mousedown", "1")
            for step in range(1, 5):
                desktop.xdotool("mousemove", "--sync", grab[0] + 10 * step, grab[1] + 8 * step)
            desktop.xdotool("mouseup", "1")
            moved = driver.wait_until("the window to follow the drag",
                                      lambda: (g := app.geometry(window))["X"] != start["X"] and g, 5)
            check_equal((moved["X"] - start["X"], moved["Y"] - start["Y"]), (40, 32), "window moved by the drag")

            close = (moved["X"] + 1 + 305 + 8, moved["Y"] + 4 + 8)
            desktop.xdotool("mousemove", "--sync", *close)
            desktop.xdotool("click", "1")
            check_equal(app.wait_exit(), 0, "exit code after the close button")

    def update(self):
        """A whole update with the sample chosen through the file chooser."""
        with driver.Desktop(self.artefacts) as desktop:
            app, _ = self.start(desktop)
            app.choose_firmware(self.sample)
            check_equal(app.status_texts()[1], "Firmware file ok", "panel 1 after choosing")
            check(self.sample in app.texts(app.frame()), "the chosen path is not shown")
            update = app.button("Update Firmware")
            during = {}

            def look_during_firmware_stage(text):
                if not during and re.fullmatch(r"\d+/\d+\.\.\.", text):
                    during["update enabled"] = driver.is_enabled(update)
                    during["progress shown"] = bool(app.find_all(role="progress bar", where=driver.is_showing))
                    desktop.screenshot("mid-update")

            app.click(update)
            seen = app.watch_status(lambda text: text == "Firmware update ok!", look_during_firmware_stage)
            desktop.screenshot("finished")
            print("panel 0 showed:", seen)
            for dialog in app.dialogs():
                raise E2EError(f"unexpected message: {app.texts(dialog)}")
            blocks = blocks_of(self.sample)
            check_stage_order(seen, blocks, final="Firmware update ok!")
            check_equal(seen[-1], "Firmware update ok!", "panel 0 at the end")
            check("boot code running..." in seen, "the end of the 2.5 s wait was not seen")
            check_equal(during, {"update enabled": False, "progress shown": True}, "window during the update")
            same_file(os.path.join(self.sim_dir, "firmware.bin"), self.sample, "firmware received")
            same_file(os.path.join(self.sim_dir, "bootcode.bin"), self.bootcode, "boot code received")
            check_equal(sim_status(self.sim_dir).get("state"), "closed", "device state after the update")
            driver.wait_until("the progress bar to hide",
                              lambda: not app.find_all(role="progress bar", where=driver.is_showing), 10)
            check(driver.is_enabled(app.button("Update Firmware")), "Update stays disabled")

    def unplug(self):
        """The camera goes away during the firmware stage."""
        boot_accesses = 2 + os.path.getsize(self.bootcode) + 2  # mode pairs around the boot code
        block_accesses = 1 + 3 + 128 + 1 + 1  # command, header, data, ack request, one status read
        unplug_after = boot_accesses + 5 * block_accesses + 40  # inside the sixth block
        with driver.Desktop(self.artefacts) as desktop:
            app, _ = self.start(desktop, ISPSIM_UNPLUG_AFTER=str(unplug_after))
            app.choose_firmware(self.sample)
            app.click(app.button("Update Firmware"))
            seen = app.watch_status(lambda text: False)
            print("panel 0 showed:", seen)
            check_stage_order(seen, blocks_of(self.sample))
            message = app.answer_message(screenshot="failure")
            check_equal(message, "Fail to update firmware!!\n", "failure message")
            app.wait_no_dialog()
            check_equal(app.status_texts()[0], f"6/{blocks_of(self.sample)}...", "panel 0 after the failure")
            check_equal(sim_status(self.sim_dir).get("state"), "closed", "device state after the failure")
            received = os.path.join(self.sim_dir, "firmware.bin")
            if os.path.exists(received):
                with open(received, "rb") as got, open(self.sample, "rb") as want:
                    data = got.read()
                    check(len(data) < os.path.getsize(self.sample), "the camera got the whole image")
                    check(want.read(len(data)) == data, "the camera holds bytes not from the image")
            check(driver.is_enabled(app.button("Update Firmware")), "Update stays disabled")

    def flash(self):
        """ispflash sends a firmware file with exactly the register calls the window makes for it."""
        with driver.Desktop(self.artefacts) as desktop:
            app, _ = self.start(desktop, ISPSIM_TRANSCRIPT="1")
            app.choose_firmware(self.sample)
            app.click(app.button("Update Firmware"))
            app.watch_status(lambda text: text == "Firmware update ok!")
            desktop.close_window(app.wait_window())
            check_equal(app.wait_exit(), 0, "the window's exit code")
        window_log = os.path.join(self.sim_dir, "transcript.log")

        flash_dir = os.path.join(self.sim_dir, "ispflash")
        env = {k: v for k, v in os.environ.items() if not k.startswith("ISPSIM_")}
        env.update(ISPSIM_DIR=flash_dir, ISPSIM_TRANSCRIPT="1", ISPSIM_DELAY_US=SIM_DELAY_US)
        run = subprocess.run([os.path.join(self.bindir, "ispflash"), self.sample], env=env,
                             capture_output=True, text=True, timeout=120)
        with open(os.path.join(self.artefacts, "ispflash.out"), "w") as out:
            out.write(run.stdout + run.stderr)
        check_equal(run.returncode, 0, "ispflash's exit code")
        check_equal(run.stdout.splitlines()[-1], "Firmware update ok!", "ispflash's last line")
        same_file(os.path.join(flash_dir, "firmware.bin"), self.sample, "firmware received from ispflash")
        same_file(os.path.join(flash_dir, "transcript.log"), window_log, "ispflash's transcript against the window's")

    def no_ini(self):
        """Without its INI the utility says why and ends with -1."""
        lonely = tempfile.mkdtemp(prefix="isp-noini-")
        exe = os.path.join(lonely, "ispupdate")
        shutil.copy2(self.exe, exe)
        for name in os.listdir(self.bindir):
            if name.startswith("lib06_usbcfg"):
                shutil.copy2(os.path.join(self.bindir, name), lonely)
        shutil.copy2(self.bootcode, lonely)  # present, but no INI names it
        try:
            with driver.Desktop(self.artefacts) as desktop:
                desktop.env["LD_LIBRARY_PATH"] = lonely  # use the copied device library
                app = desktop.start(exe, self.sim_dir)
                app.wait_dialog()
                check(not app.window_ids(WINDOW_CAPTION), "the main window shows before the start-up failed")
                message = app.answer_message(screenshot="no_ini")
                check_equal(message, f"Fail to load boot file:\n{lonely}/\n\nISP utility can not run!",
                            "start-up message")
                check_equal(app.wait_exit(), 255, "exit code")
        finally:
            shutil.rmtree(lonely, ignore_errors=True)

    def gallery(self):
        """The gallery's check boxes and radio buttons read as such, with their checked and enabled
        states, and its frame carries a menu bar of its menu's top-level items. A closed menu leaves
        no hot item behind, and without a window manager the frame maximises and restores itself."""
        exe = os.path.join(self.bindir, "gallery")
        check(os.access(exe, os.X_OK), f"{exe} is not built")
        with driver.Desktop(self.artefacts) as desktop:
            app = desktop.start(exe, self.sim_dir)
            window = app.wait_window(GALLERY_CAPTION)
            desktop.screenshot("gallery")
            menu_bar = app.wait_for("the menu bar", role="menu bar")
            items = [driver.name_of(n) for n in driver.children_of(menu_bar) if driver.role_of(n) == "menu item"]
            check_equal(items, ["File", "View", "Help"], "the menu bar's items")

            def states(role, names):
                found = {driver.name_of(n): n for n in app.find_all(role=role) if driver.name_of(n) in names}
                check_equal(sorted(found), sorted(names), f"{role}es by name")
                return {name: (driver.is_checked(node), driver.is_enabled(node)) for name, node in found.items()}

            check_equal(states("check box", ["Checked", "Not checked", "Checked, disabled"]),
                        {"Checked": (True, True), "Not checked": (False, True), "Checked, disabled": (True, False)},
                        "check boxes (checked, enabled)")
            check_equal(states("radio button", ["MacOS", "WinXP", "Selected", "Not selected",
                                                "Not selected, disabled"]),
                        {"MacOS": (True, True), "WinXP": (False, True), "Selected": (True, True),
                         "Not selected": (False, True), "Not selected, disabled": (False, False)},
                        "radio buttons (checked, enabled)")

            # A menu closed by Escape with the pointer over the window body leaves "File" as it
            # looked before it opened (not hot).
            file_item = next(n for n in driver.children_of(menu_bar) if driver.name_of(n) == "File")
            ext = app._extents(file_item)
            crop = (ext.x, ext.y, ext.width, ext.height)
            geometry = app.geometry(window)
            body = (geometry["X"] + geometry["WIDTH"] - 40, geometry["Y"] + geometry["HEIGHT"] - 40)
            desktop.xdotool("mousemove", "--sync", *body)
            before = rgb_bytes(desktop.screenshot("menu-before"), crop)
            app.click(file_item)
            time.sleep(0.5)  # the menu drops on the press
            desktop.xdotool("mousemove", "--sync", *body)
            app.keys("Escape")
            desktop.xdotool("mousemove", "--sync", body[0] + 1, body[1])
            driver.wait_until('"File" to look as before its menu opened',
                              lambda: rgb_bytes(desktop.screenshot("menu-after"), crop) == before, 3, 0.2)

            # No window manager runs here: the frame maximises and restores the window itself.
            normal = app.geometry(window)
            width, height = (int(n) for n in driver.SCREEN.split("x")[:2])
            app.click(app.button("Maximise"))
            driver.wait_until("the window to cover the screen",
                              lambda: app.geometry(window) == {"X": 0, "Y": 0, "WIDTH": width, "HEIGHT": height}, 5)
            app.click(app.button("Restore"))
            driver.wait_until("the window to be back", lambda: app.geometry(window) == normal, 5)
            app.button("Maximise")  # the button follows the real window
            desktop.close_window(window)
            check_equal(app.wait_exit(), 0, "exit code after closing the window")


def main():
    cases = ["window", "frame", "update", "unplug", "no_ini", "flash", "gallery"]
    parser = argparse.ArgumentParser()
    parser.add_argument("case", choices=cases)
    parser.add_argument("--bindir", required=True)
    parser.add_argument("--artefacts", required=True)
    args = parser.parse_args()
    shutil.rmtree(args.artefacts, ignore_errors=True)  # no stale screenshots from an earlier run
    try:
        case = Case(args.bindir, args.artefacts)
        try:
            getattr(case, args.case)()
        finally:
            # What the camera received and its status, kept beside the screenshots.
            shutil.copytree(case.sim_dir, os.path.join(args.artefacts, "camera"), dirs_exist_ok=True)
            shutil.rmtree(case.sim_dir, ignore_errors=True)
    except E2EError as failure:
        print(f"FAIL {args.case}: {failure}\n(artefacts in {args.artefacts})", file=sys.stderr)
        return 1
    print(f"PASS {args.case}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
