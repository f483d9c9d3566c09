"""One whole update through the real window, narrated (see demo.sh)."""

import argparse
import filecmp
import os
import re
import sys
import shutil

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import driver  # noqa: E402

# Slow enough to watch the blocks go by, fast enough to end in seconds.
SIM_DELAY_US = "100"
BLOCK_COUNTER = re.compile(r"^(\d+)/(\d+)\.\.\.$")
SHOWN_COUNTERS = 3


class StageLog:
    """Prints each new status text; of the block counters only the first few and the last."""

    def __init__(self, on_half_way):
        self.on_half_way = on_half_way
        self.counters = 0
        self.held = None  # the newest counter not printed yet
        self.half_way_done = False

    def __call__(self, text):
        counter = BLOCK_COUNTER.match(text)
        if counter:
            self._counter(text, int(counter[1]), int(counter[2]))
            return
        self.flush()
        print(f"  {text}", flush=True)

    def _counter(self, text, block, blocks):
        self.counters += 1
        if self.counters <= SHOWN_COUNTERS:
            print(f"  {text}", flush=True)
        else:
            self.held = text
        if not self.half_way_done and block * 2 >= blocks:
            self.half_way_done = True
            self.on_half_way()

    def flush(self):
        if self.held:
            hidden = self.counters - SHOWN_COUNTERS - 1
            if hidden:
                print(f"  ... ({hidden} more block counters) ...")
            print(f"  {self.held}", flush=True)
            self.held = None


def report_received(sim_dir, name, original):
    received = os.path.join(sim_dir, name)
    if os.path.exists(received) and filecmp.cmp(received, original, shallow=False):
        print(f"Result: the camera holds {os.path.getsize(received)} bytes identical to {original}")
        return True
    print(f"Result: what the camera holds ({received}) differs from {original}")
    return False


def run(bindir, artefacts):
    exe = os.path.join(bindir, "ispupdate")
    sample = os.path.join(bindir, "sample_firmware.bin")
    sim_dir = os.path.join(artefacts, "camera")  # what the simulated camera received
    shutil.rmtree(sim_dir, ignore_errors=True)
    os.makedirs(sim_dir)
    shots = []
    with driver.Desktop(artefacts) as desktop:
        print(f"Virtual display {desktop.display}; starting {exe}")
        app = desktop.start(exe, sim_dir, {"ISPSIM_DELAY_US": SIM_DELAY_US})
        geometry = app.geometry(app.wait_window())
        print(f'Window "{driver.WINDOW_CAPTION}" {geometry["WIDTH"]}x{geometry["HEIGHT"]} '
              f'at {geometry["X"]},{geometry["Y"]}; status panels {app.status_texts()}')
        shots.append(desktop.screenshot("1-idle"))

        app.choose_firmware(sample)
        print(f"Chose {sample} through the file chooser; status panels {app.status_texts()}")

        print('Pressed "Update Firmware"; stages seen in status panel 0:')
        app.click(app.button("Update Firmware"))
        log = StageLog(lambda: shots.append(desktop.screenshot("2-mid-update")))
        seen = app.watch_status(lambda text: text == "Firmware update ok!", on_text=log)
        log.flush()
        if "wait..." not in seen:
            print('  (a text that stands only while the utility does not process messages, such as "wait..."\n'
                  "   during the 2.5 s pause, is on screen but cannot be read from outside)")
        failure = app.answer_message() if app.dialogs() else None
        shots.append(desktop.screenshot("3-finished"))

    print()
    if failure:
        print(f"Result: the utility reported {failure!r}")
    same = all([report_received(sim_dir, "bootcode.bin", os.path.join(bindir, "bootcode.bin")),
                report_received(sim_dir, "firmware.bin", sample)])
    print("Screenshots:")
    for shot in shots:
        print(f"  {shot}")
    return 0 if same and not failure else 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bindir", required=True)
    parser.add_argument("--artefacts", required=True)
    args = parser.parse_args()
    try:
        return run(args.bindir, args.artefacts)
    except driver.E2EError as error:
        print(f"demo failed: {error} (logs in {args.artefacts})", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
