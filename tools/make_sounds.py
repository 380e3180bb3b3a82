#!/usr/bin/env python3
"""Synthesises Vorka's nine sound effects into assets/sounds/<NAME>.wav.

Every file is a RIFF WAVE, mono, 22050 samples per second, 8-bit PCM, with a
fixed length. Only the standard library is used and the random numbers are
seeded, so running this again writes the same bytes.

    python3 tools/make_sounds.py [output folder]
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
NYQUIST_GUARD = 9500.0  # harmonics above this are left out (8-bit, 22 kHz)

# Lengths in seconds.
LENGTHS = {
    "BPRESS": 0.06,
    "ROLL": 1.42,
    "START": 9.4,
    "FANFARE": 8.6,
    "QUESTION": 0.2,
    "WIN": 4.8,
    "END": 5.2,
    "NEWPLAYER": 3.8,
    "OKNWPLYR": 1.2,
}

NOTE_INDEX = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def freq(note):
    """Frequency of a note name such as 'C5', 'F#4' or 'Bb3' (A4 = 440 Hz)."""
    name, octave = note[:-1], int(note[-1])
    semitone = NOTE_INDEX[name[0]]
    if name[1:] == "#":
        semitone += 1
    elif name[1:] == "b":
        semitone -= 1
    midi = 12 * (octave + 1) + semitone
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


def samples(seconds):
    return int(round(seconds * RATE))


class Timbre:
    """How one instrument sounds: its partials and its envelope.

    partials: (frequency ratio, amplitude) pairs.
    attack, release: seconds. decay: time constant of an exponential fall
    after the attack (None holds the level until the note ends).
    vibrato: (rate in Hz, depth as a fraction of the frequency).
    ring: how long a struck note sounds on after its written length.
    """

    def __init__(self, partials, attack, release, decay=None, vibrato=None, ring=0.0):
        self.partials = partials
        self.attack = attack
        self.release = release
        self.decay = decay
        self.vibrato = vibrato
        self.ring = ring


MARIMBA = Timbre([(1, 1.0), (2, 0.18), (3.93, 0.10), (6.0, 0.03)],
                 attack=0.004, release=0.12, decay=0.30, ring=0.35)
BELL = Timbre([(1, 1.0), (2.0, 0.35), (2.76, 0.22), (5.4, 0.08)],
              attack=0.003, release=0.30, decay=0.55, ring=0.9)
BRASS = Timbre([(k, 1.0 / k ** 1.1) for k in range(1, 9)],
               attack=0.035, release=0.09, vibrato=(5.5, 0.004))
# The same brass for a last note that is left to die away.
BRASS_LAST = Timbre(BRASS.partials, attack=0.035, release=1.1, vibrato=(5.5, 0.005))
FLUTE = Timbre([(1, 1.0), (2, 0.30), (3, 0.10)],
               attack=0.06, release=0.22, vibrato=(5.0, 0.003))
BASS = Timbre([(1, 1.0), (2, 0.45), (3, 0.15)],
              attack=0.008, release=0.10, decay=0.45, ring=0.2)


def add_note(buf, start, length, hz, timbre, amp):
    """Mixes one note into buf. start and length are in seconds."""
    begin = samples(start)
    held = samples(length)
    total = held + samples(timbre.ring + timbre.release)
    end = min(len(buf), begin + total)
    partials = [(r, a) for r, a in timbre.partials if r * hz < NYQUIST_GUARD]
    norm = sum(a for _, a in partials)
    attack = max(1, samples(timbre.attack))
    release_start = held + samples(timbre.ring)
    release = max(1, samples(timbre.release))
    phase = 0.0
    for i in range(end - begin):
        t = i / RATE
        f = hz
        if timbre.vibrato and t > 0.12:
            rate, depth = timbre.vibrato
            f *= 1.0 + depth * math.sin(2 * math.pi * rate * (t - 0.12))
        phase += 2 * math.pi * f / RATE
        # Envelope: a raised-cosine attack, then hold or decay, then release.
        if i < attack:
            env = 0.5 - 0.5 * math.cos(math.pi * i / attack)
        else:
            env = 1.0
        if timbre.decay is not None:
            env *= math.exp(-max(0.0, t - timbre.attack) / timbre.decay)
        if i >= release_start:
            k = (i - release_start) / release
            env *= 0.0 if k >= 1.0 else 0.5 + 0.5 * math.cos(math.pi * k)
        if env == 0.0:
            continue
        value = 0.0
        for ratio, a in partials:
            value += a * math.sin(ratio * phase)
        buf[begin + i] += amp * env * value / norm


def add_melody(buf, start, notes, beat, timbre, amp, legato=0.92):
    """notes: (name or None for a rest, beats). Returns the time after the last."""
    t = start
    for name, beats in notes:
        if name is not None:
            for n in name.split("+"):
                add_note(buf, t, beats * beat * legato, freq(n), timbre, amp)
        t += beats * beat
    return t


def add_echo(buf, delay, gain, repeats=3):
    d = samples(delay)
    for _ in range(repeats):
        for i in range(len(buf) - 1, d - 1, -1):
            buf[i] += gain * buf[i - d]


def add_timpani(buf, start, hz, amp, length=0.6):
    begin = samples(start)
    phase = 0.0
    for i in range(min(samples(length), len(buf) - begin)):
        t = i / RATE
        f = hz * (1.0 + 0.25 * math.exp(-t / 0.02))  # the pitch settles after the strike
        phase += 2 * math.pi * f / RATE
        env = min(1.0, i / 40.0) * math.exp(-t / 0.18)
        buf[begin + i] += amp * env * (math.sin(phase) + 0.3 * math.sin(2 * phase))


def add_clack(buf, start, amp, rng):
    """One die knocking against another or against the table."""
    begin = samples(start)
    modes = [(rng.uniform(1800, 4200), rng.uniform(0.002, 0.006), rng.uniform(0.5, 1.0))
             for _ in range(3)]
    modes.append((rng.uniform(350, 650), 0.012, 0.6))  # the body of the knock
    length = samples(0.05)
    for i in range(min(length, len(buf) - begin)):
        t = i / RATE
        value = 0.0
        for hz, tau, a in modes:
            value += a * math.exp(-t / tau) * math.sin(2 * math.pi * hz * t)
        if i < samples(0.0015):
            value += rng.uniform(-0.6, 0.6)
        buf[begin + i] += amp * value * min(1.0, i / 6.0)


# The sounds ---------------------------------------------------------------

def bpress(buf, rng):
    for i in range(len(buf)):
        t = i / RATE
        v = 0.8 * math.exp(-t / 0.008) * math.sin(2 * math.pi * 1450 * t)
        v += 0.4 * math.exp(-t / 0.004) * math.sin(2 * math.pi * 2900 * t)
        if t < 0.002:
            v += rng.uniform(-0.3, 0.3)
        buf[i] += v * min(1.0, i / 8.0)


def roll(buf, rng):
    # Shaken in the cup: dense, irregular knocks, thinning out as the dice settle.
    t = 0.02
    while t < 1.0:
        add_clack(buf, t, rng.uniform(0.35, 0.8), rng)
        t += rng.expovariate(60.0) + 0.006
    for t, a in [(1.04, 0.9), (1.12, 0.6), (1.19, 0.45), (1.25, 0.3), (1.30, 0.18)]:
        add_clack(buf, t + rng.uniform(-0.01, 0.01), a, rng)


def start(buf, rng):
    beat = 0.30
    melody = [
        ("C5", 1), ("E5", 1), ("G5", 1), ("E5", 1),
        ("F5", 1), ("A5", 1), ("G5", 2),
        ("E5", 1), ("G5", 1), ("C6", 1), ("B5", 1),
        ("A5", 1), ("F5", 1), ("D5", 2),
        ("E5", 1), ("F5", 1), ("G5", 1), ("A5", 1),
        ("G5", 1), ("E5", 1), ("D5", 1), ("B4", 1),
        ("C5+E5+G5", 3.2),
    ]
    bass = [
        ("C3", 2), ("G3", 2), ("F3", 2), ("C3", 2), ("C3", 2), ("E3", 2), ("F3", 2), ("G3", 2),
        ("C3", 2), ("F3", 2), ("G2", 2), ("G3", 2), ("C3", 3.2),
    ]
    add_melody(buf, 0.0, melody, beat, MARIMBA, 0.55)
    add_melody(buf, 0.0, bass, beat, BASS, 0.35)
    add_echo(buf, 0.15, 0.22, repeats=2)


def fanfare(buf, rng):
    beat = 0.34
    lead = [
        ("G4", 0.5), ("G4", 0.5), ("G4", 0.5), ("C5", 1.5), ("G4", 0.5), ("C5", 0.5), ("E5", 2),
        ("E5", 0.5), ("E5", 0.5), ("E5", 0.5), ("G5", 1.5), ("E5", 0.5), ("G5", 0.5), ("C6", 2),
        ("A5", 0.5), ("G5", 0.5), ("F5", 0.5), ("E5", 0.5),
        ("D5", 0.5), ("E5", 0.5), ("F5", 0.5), ("D5", 0.5),
        ("C5", 0.5), ("E5", 0.5), ("G5", 0.5),
    ]
    second = [
        (None, 1.5), ("E4", 1.5), (None, 1.0), ("G4", 2),
        (None, 1.5), ("C5", 1.5), (None, 1.0), ("E5", 2),
        ("F4", 1), ("C5", 1), ("B4", 1), ("G4", 1),
    ]
    last = add_melody(buf, 0.0, lead, beat, BRASS, 0.45, legato=0.85)
    add_melody(buf, 0.0, second, beat, BRASS, 0.28, legato=0.9)
    add_melody(buf, last, [("C6", 4)], beat, BRASS_LAST, 0.45)
    add_melody(buf, last, [("G4+E5", 4)], beat, BRASS_LAST, 0.28)
    for beats, note in [(1.5, "C3"), (5.5, "C3"), (7.5, "G2"), (11.5, "C3"),
                        (13.5, "F2"), (15.5, "G2"), (17.5, "C3"), (19.0, "G2"), (19.5, "C3"),
                        (20.5, "C3")]:
        add_timpani(buf, beats * beat, freq(note), 0.4)
    add_echo(buf, 0.12, 0.18, repeats=2)


def question(buf, rng):
    for start_s, length, f0, f1 in [(0.0, 0.075, 520.0, 560.0), (0.09, 0.105, 660.0, 900.0)]:
        begin = samples(start_s)
        n = samples(length)
        phase = 0.0
        for i in range(n):
            k = i / n
            f = f0 + (f1 - f0) * k
            phase += 2 * math.pi * f / RATE
            env = math.sin(math.pi * k) ** 0.7
            buf[begin + i] += 0.7 * env * (math.sin(phase) + 0.25 * math.sin(2 * phase))


def win(buf, rng):
    q = 0.13
    tune = [
        ("C5", 1), ("E5", 1), ("G5", 1), ("C6", 3),
        ("A5", 1), ("B5", 1), ("C6", 1), ("D6", 2), ("B5", 2), ("G5", 2),
        ("C5+E5+G5+C6", 20),
    ]
    add_melody(buf, 0.0, tune, q, BRASS, 0.35, legato=0.9)
    add_melody(buf, 0.0, tune, q, BELL, 0.25)
    add_melody(buf, 0.0, [("C3", 6), ("G2", 9), ("C3", 18)], q, BASS, 0.35)
    # Sparkles over the final chord.
    for _ in range(14):
        t = rng.uniform(2.0, 3.6)
        add_note(buf, t, 0.08, freq(rng.choice(["C7", "E7", "G7", "C7"])), BELL, 0.08)
    add_echo(buf, 0.11, 0.2, repeats=2)


def end(buf, rng):
    tune = [("G5", 0.55), ("E5", 0.55), ("C5", 0.55), ("D5", 0.4), ("E5", 0.4),
            ("D5", 0.55), ("B4", 0.55), ("C5", 1.2)]
    add_melody(buf, 0.0, tune, 1.0, FLUTE, 0.5)
    add_melody(buf, 0.0, [("C3+G3", 1.65), ("G2+D3", 1.9), ("C3+G3", 1.2)], 1.0, FLUTE, 0.22)
    add_echo(buf, 0.18, 0.25, repeats=3)


def newplayer(buf, rng):
    tune = [("E5", 0.18), ("G5", 0.18), ("C6", 0.36), ("G5", 0.18), ("C6", 0.18), ("E6", 0.72),
            ("D6", 0.18), ("C6", 0.18), ("A5", 0.18), ("B5", 0.18), ("C6+G5+E5", 0.9)]
    add_melody(buf, 0.0, tune, 1.0, MARIMBA, 0.5)
    add_melody(buf, 0.0, [("C3", 0.72), ("G3", 0.36), ("C3", 0.72), ("F3", 0.36), ("G3", 0.36),
                          ("C3", 0.9)], 1.0, BASS, 0.35)
    add_echo(buf, 0.14, 0.2, repeats=2)


def oknwplyr(buf, rng):
    add_melody(buf, 0.0, [("G5", 0.1), ("C6", 0.1), ("E6+G6", 0.3)], 1.0, BELL, 0.5)


RECIPES = {
    "BPRESS": (bpress, 0.55),
    "ROLL": (roll, 0.75),
    "START": (start, 0.8),
    "FANFARE": (fanfare, 0.8),
    "QUESTION": (question, 0.6),
    "WIN": (win, 0.8),
    "END": (end, 0.75),
    "NEWPLAYER": (newplayer, 0.8),
    "OKNWPLYR": (oknwplyr, 0.7),
}


def finish(buf, peak):
    """Scales to the wanted peak and fades both ends so that they do not click."""
    top = max(abs(v) for v in buf) or 1.0
    scale = peak / top
    fade_in = min(samples(0.002), len(buf) // 4)
    fade_out = min(samples(0.025), len(buf) // 4)
    out = []
    for i, v in enumerate(buf):
        g = scale
        if i < fade_in:
            g *= i / fade_in
        left = len(buf) - 1 - i
        if left < fade_out:
            g *= 0.5 - 0.5 * math.cos(math.pi * left / fade_out)
        out.append(v * g)
    return out


def to_bytes(buf):
    # 8-bit PCM is unsigned with silence at 128.
    return bytes(max(1, min(255, int(round(128 + 127 * v)))) for v in buf)


def write_wave(path, data):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, seconds in LENGTHS.items():
        recipe, peak = RECIPES[name]
        rng = random.Random(name)  # one fixed seed per sound
        buf = [0.0] * samples(seconds)
        recipe(buf, rng)
        write_wave(os.path.join(folder, name + ".wav"), to_bytes(finish(buf, peak)))
        print(f"{name:10s} {seconds:5.2f} s")


if __name__ == "__main__":
    main()
