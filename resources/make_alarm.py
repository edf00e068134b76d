#!/usr/bin/env python3
"""Makes the alarm sound (letop.wav): three short two-tone beeps, 16-bit mono PCM at 22050 Hz."""
import math
import struct

RATE = 22050


def alarm_samples():
    samples = []
    for beep in range(3):
        for tone in (880.0, 660.0):
            for i in range(int(RATE * 0.12)):
                fade = min(1.0, i / 200, (RATE * 0.12 - i) / 200)  # no clicks at the edges
                samples.append(int(12000 * fade * math.sin(2 * math.pi * tone * i / RATE)))
        samples.extend([0] * int(RATE * 0.08))
    return samples


def wav_bytes(samples):
    data = struct.pack(f"<{len(samples)}h", *samples)
    fmt = struct.pack("<4sIHHIIHH", b"fmt ", 16, 1, 1, RATE, RATE * 2, 2, 16)
    return struct.pack("<4sI4s", b"RIFF", 4 + len(fmt) + 8 + len(data), b"WAVE") + fmt + \
        struct.pack("<4sI", b"data", len(data)) + data


if __name__ == "__main__":
    with open("letop.wav", "wb") as f:
        f.write(wav_bytes(alarm_samples()))
    print("letop.wav written")
