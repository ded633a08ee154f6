"""Finds the program's two cues in a recording and checks when they sounded.

Usage: measure_cues.py RECORDING.wav MARKS

MARKS holds lines "name seconds", counted from when the recording was asked for: "pass" when
the passing calculation was asked for, "fail" when the failing one was, "stop" when the
recording was stopped. The cues are told apart by their content: the
start chime sounds at C6 and G6 (above 1 kHz), the warning at A4 and E4. Each 50 ms frame is
measured at those four pitches; a frame belongs to the cue whose pitches carry most of it."""

import math
import struct
import sys
import wave

FRAME = 0.05
START_PITCHES = (1046.5, 1568.0)
WARNING_PITCHES = (440.0, 329.6)
GAP = 0.3  # the warning's beeps are 0.14 s apart: one cue
TOLERANCE = 0.3  # recording and key clocks agree to this


def samples(path):
    with wave.open(path) as w:
        channels, width, rate = w.getnchannels(), w.getsampwidth(), w.getframerate()
        if width != 2:
            sys.exit(f"{path}: {8 * width}-bit samples, expected 16")
        raw = w.readframes(w.getnframes())
    values = struct.unpack(f"<{len(raw) // 2}h", raw)
    return [v / 32768.0 for v in values[::channels]], rate


def power(frame, rate, pitch):
    """Goertzel: the squared magnitude of one pitch in the frame, per sample."""
    k = 2 * math.cos(2 * math.pi * pitch / rate)
    s1 = s2 = 0.0
    for x in frame:
        s1, s2 = x + k * s1 - s2, s1
    return (s1 * s1 + s2 * s2 - k * s1 * s2) / len(frame) ** 2


def classify(values, rate):
    n = int(FRAME * rate)
    kinds = []
    for i in range(0, len(values) - n, n):
        frame = values[i:i + n]
        energy = sum(x * x for x in frame) / n
        if energy < 1e-5:  # silence, about -50 dB
            kinds.append(None)
            continue
        start = sum(power(frame, rate, p) for p in START_PITCHES)
        warning = sum(power(frame, rate, p) for p in WARNING_PITCHES)
        # A pure tone of amplitude a gives a^2/4 here and a^2/2 as energy: a cue's pitches carry
        # at least a quarter of the frame.
        if max(start, warning) < energy / 8:
            kinds.append(None)
        else:
            kinds.append("start" if start > warning else "warning")
    return kinds


def events(kinds):
    """(kind, start, end) in seconds, frames of one kind less than GAP apart joined."""
    found = []
    for i, kind in enumerate(kinds):
        if kind is None:
            continue
        t = i * FRAME
        if found and found[-1][0] == kind and t - found[-1][2] <= GAP:
            found[-1][2] = t + FRAME
        else:
            found.append([kind, t, t + FRAME])
    return [tuple(e) for e in found]


def main():
    values, rate = samples(sys.argv[1])
    marks = {}
    with open(sys.argv[2]) as f:
        for line in f:
            name, seconds = line.split()
            marks[name] = float(seconds)
    # The marks count from when recording was asked for; the recording itself begins a moment
    # later but runs on to "stop": move the marks onto its clock.
    shift = marks["stop"] - len(values) / rate
    marks = {name: t - shift for name, t in marks.items()}
    found = events(classify(values, rate))
    for kind, start, end in found:
        print(f"{kind} cue at {start:.2f} s to {end:.2f} s")
    print(f"passing calculation at {marks['pass']:.2f} s, failing one at {marks['fail']:.2f} s")

    starts = [e for e in found if e[0] == "start"]
    warnings = [e for e in found if e[0] == "warning"]
    checks = [
        ("the start cue sounds once", len(starts) == 1),
        ("the start cue comes before the first calculation",
         bool(starts) and starts[0][1] < marks["pass"]),
        ("the start cue is shorter than 1 s", all(e - s < 1.0 + FRAME for _, s, e in starts)),
        ("no warning after the pass",
         not [w for w in warnings if marks["pass"] - TOLERANCE <= w[1] < marks["fail"] - TOLERANCE]),
        ("the warning sounds once, after the fail",
         len(warnings) == 1 and warnings[0][1] >= marks["fail"] - TOLERANCE),
        ("the warning is shorter than 1.5 s", all(e - s < 1.5 + FRAME for _, s, e in warnings)),
    ]
    failed = 0
    for what, ok in checks:
        print(("ok: " if ok else "FAILED: ") + what)
        failed += not ok
    print(f"real audio: {len(checks) - failed} passed, {failed} failed")
    return 1 if failed else 0


sys.exit(main())
