#!/usr/bin/env python3
"""Writes the utility's sample boot code and firmware images (app/samples/).

Deterministic pseudo-random bytes, so the files can be regenerated identically."""
import pathlib
import random

SAMPLES = pathlib.Path(__file__).resolve().parent.parent / "app" / "samples"


def write(name: str, size: int, seed: int) -> None:
    rng = random.Random(seed)
    (SAMPLES / name).write_bytes(bytes(rng.getrandbits(8) for _ in range(size)))


if __name__ == "__main__":
    SAMPLES.mkdir(parents=True, exist_ok=True)
    write("bootcode.bin", 2048, 8051)
    write("sample_firmware.bin", 40 * 1024 + 77, 2500)
