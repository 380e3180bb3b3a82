#!/usr/bin/env python3
"""Synthesises Vorka's nine sound effects into assets/sounds/<NAME>.wav.

Every file is a RIFF WAVE, mono, 22050 samples per second, with a fixed
length: the two short ones (BPRESS, QUESTION) in 8-bit PCM, the others in
4-bit IMA ADPCM (format 0x11 with its fact chunk, encoded here). All but the
button click are brought to the same loudness, every one stays below full
scale and starts and ends on silence. Only the standard library is used and
the random numbers come from one fixed seed, so running this again writes the
same bytes.

    python3 tools/make_sounds.py [output folder]
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
NYQUIST_GUARD = 9500.0  # harmonics above this are left out (22 kHz)
SEED = 1998

# How each file is stored.
PCM8 = "pcm8"
ADPCM = "ima-adpcm"
ENCODINGS = {name: ADPCM for name in
             ["ROLL", "START", "FANFARE", "WIN", "END", "NEWPLAYER", "OKNWPLYR"]}
ENCODINGS.update({"BPRESS": PCM8, "QUESTION": PCM8})

# Loudness: the RMS of the 20 ms blocks that are not silent (above -50 dBFS),
# in dBFS. Every sound but the click is brought to LOUDNESS; no sample may
# come closer to full scale than PEAK.
BLOCK = 441
SILENT_BLOCK = 10 ** (-50 / 20)
LOUDNESS = -18.0
CLICK_LOUDNESS = -20.0
PEAK = 0.89  # -1 dBFS

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


def resonate(excitation, hz, tau):
    """A two-pole resonator ringing at hz, decaying with time constant tau."""
    r = math.exp(-1.0 / (tau * RATE))
    c = 2 * r * math.cos(2 * math.pi * hz / RATE)
    gain = 1 - r
    y1 = y2 = 0.0
    out = []
    for x in excitation:
        y = c * y1 - r * r * y2 + gain * x
        out.append(y)
        y2, y1 = y1, y
    return out


def add_impact(buf, start, amp, rng, hardness=1.0):
    """One die striking the table or another die: a short burst of noise that
    sets the die ringing high and the table thudding low."""
    begin = samples(start)
    n = min(samples(0.045), len(buf) - begin)
    if n <= 0:
        return
    burst = samples(0.0008 + 0.0008 * rng.random())
    excitation = [rng.uniform(-1, 1) * math.exp(-i / max(1, burst)) if i < 4 * burst else 0.0
                  for i in range(n)]
    sound = [0.0] * n
    modes = [(rng.uniform(2600, 4800) * hardness, rng.uniform(0.0025, 0.005), 1.0),
             (rng.uniform(5200, 8200), rng.uniform(0.0015, 0.003), 0.7),
             (rng.uniform(1300, 2200), rng.uniform(0.003, 0.006), 0.5),
             (rng.uniform(140, 260), 0.012, 0.9)]  # the table top
    for hz, tau, a in modes:
        ring = resonate(excitation, hz, tau)
        peak = max(abs(v) for v in ring) or 1.0
        for i, v in enumerate(ring):
            sound[i] += a * v / peak
    for i, v in enumerate(excitation):
        sound[i] += 0.35 * v
    for i in range(n):
        buf[begin + i] += amp * sound[i]


def throw_die(buf, rng, first):
    """One die landing: bounces that come quicker and softer, a tumble of
    small knocks on its edges, and the last settling clacks."""
    t, a, gap = first, rng.uniform(0.8, 1.0), rng.uniform(0.13, 0.2)
    for _ in range(3):
        add_impact(buf, t, a, rng)
        t += gap
        gap *= rng.uniform(0.55, 0.7)
        a *= rng.uniform(0.6, 0.75)
    end = rng.uniform(1.0, 1.22)
    while t < end:
        add_impact(buf, t, a * rng.uniform(0.35, 0.7), rng, hardness=1.1)
        t += rng.uniform(0.035, 0.075)
    for k in range(rng.randint(2, 3)):
        add_impact(buf, t, a * (0.6 - 0.2 * k), rng)
        t += rng.uniform(0.02, 0.04) / (k + 1)


# The sounds ---# The sounds ---------------------------------------------------------------

def bpress(buf, rng):
    for i in range(len(buf)):
        t = i / RATE
        v = 0.8 * math.exp(-t / 0.008) * math.sin(2 * math.pi * 1450 * t)
        v += 0.4 * math.exp(-t / 0.004) * math.sin(2 * math.pi * 2900 * t)
        if t < 0.002:
            v += rng.uniform(-0.3, 0.3)
        buf[i] += v * min(1.0, i / 8.0)


def roll(buf, rng):
    # Five dice thrown onto a table one close behind the other, and now and
    # then two of them knocking together on the way.
    for die in range(5):
        throw_die(buf, rng, 0.02 + 0.035 * die + rng.uniform(0, 0.03))
    for _ in range(6):
        add_impact(buf, rng.uniform(0.1, 0.8), rng.uniform(0.3, 0.5), rng, hardness=1.3)


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
    "BPRESS": bpress,
    "ROLL": roll,
    "START": start,
    "FANFARE": fanfare,
    "QUESTION": question,
    "WIN": win,
    "END": end,
    "NEWPLAYER": newplayer,
    "OKNWPLYR": oknwplyr,
}


def loudness(buf):
    """RMS of the blocks that are not silent, in dBFS (None if all are)."""
    powers = []
    for at in range(0, len(buf), BLOCK):
        block = buf[at:at + BLOCK]
        power = sum(v * v for v in block) / len(block)
        if power > SILENT_BLOCK ** 2:
            powers.append(power)
    if not powers:
        return None
    return 10 * math.log10(sum(powers) / len(powers))


def limit(v):
    """Leaves everything below 0.7 alone and bends the rest smoothly toward PEAK."""
    knee = 0.7
    a = abs(v)
    if a <= knee:
        return v
    room = PEAK - knee
    return math.copysign(knee + room * math.tanh((a - knee) / room), v)


def fade(buf):
    """Fades both ends so that the sound starts and ends on silence."""
    fade_in = min(samples(0.003), len(buf) // 4)
    fade_out = min(samples(0.025), len(buf) // 4)
    out = list(buf)
    for i in range(fade_in):
        out[i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade_in)
    for k in range(fade_out):
        out[len(out) - 1 - k] *= 0.5 - 0.5 * math.cos(math.pi * k / fade_out)
    return out


def finish(buf, target):
    """Brings the sound to the target loudness without reaching PEAK."""
    for _ in range(4):
        level = loudness(buf)
        gain = 10 ** ((target - level) / 20)
        buf = [limit(v * gain) for v in buf]
    return fade(buf)


def pcm8_bytes(buf):
    # 8-bit PCM is unsigned with silence at 128.
    return bytes(max(1, min(255, int(round(128 + 127 * v)))) for v in buf)


def write_pcm8(path, buf):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(pcm8_bytes(buf))


# IMA ADPCM as WAVE files carry it (format 0x11): blocks of BLOCK_ALIGN bytes,
# each a header (the first sample as it is, the step index, a zero byte) and
# then two samples a byte, the earlier in the low four bits.
IMA_STEPS = [
    7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45,
    50, 55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230,
    253, 279, 307, 337, 371, 408, 449, 494, 544, 598, 658, 724, 796, 876, 963,
    1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327,
    3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442,
    11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794,
    32767]
IMA_INDEX_STEPS = [-1, -1, -1, -1, 2, 4, 6, 8]
BLOCK_ALIGN = 512
SAMPLES_PER_BLOCK = (BLOCK_ALIGN - 4) * 2 + 1


class ImaEncoder:
    def __init__(self):
        self.predicted = 0
        self.index = 0

    def encode(self, sample):
        """The 4-bit code for one sample; follows the decoder's state."""
        step = IMA_STEPS[self.index]
        diff = sample - self.predicted
        code = 0
        if diff < 0:
            code = 8
            diff = -diff
        change = step >> 3
        if diff >= step:
            code |= 4
            diff -= step
            change += step
        step >>= 1
        if diff >= step:
            code |= 2
            diff -= step
            change += step
        step >>= 1
        if diff >= step:
            code |= 1
            change += step
        self.predicted += -change if code & 8 else change
        self.predicted = max(-32768, min(32767, self.predicted))
        self.index = max(0, min(88, self.index + IMA_INDEX_STEPS[code & 7]))
        return code

    def block(self, block_samples):
        first = block_samples[0]
        self.predicted = first
        out = bytearray(struct.pack("<hBB", first, self.index, 0))
        codes = [self.encode(s) for s in block_samples[1:]]
        for k in range(0, len(codes), 2):
            out.append(codes[k] | (codes[k + 1] << 4))
        return bytes(out)


def write_ima_adpcm(path, buf):
    pcm = [max(-32767, min(32767, int(round(v * 32767)))) for v in buf]
    count = len(pcm)
    # The last block is filled up with silence; the fact chunk says how many
    # samples are real.
    blocks = -(-count // SAMPLES_PER_BLOCK)
    pcm += [0] * (blocks * SAMPLES_PER_BLOCK - count)
    encoder = ImaEncoder()
    data = b"".join(encoder.block(pcm[b * SAMPLES_PER_BLOCK:(b + 1) * SAMPLES_PER_BLOCK])
                    for b in range(blocks))
    byte_rate = RATE * BLOCK_ALIGN // SAMPLES_PER_BLOCK
    fmt = struct.pack("<HHIIHHHH", 0x11, 1, RATE, byte_rate, BLOCK_ALIGN, 4, 2,
                      SAMPLES_PER_BLOCK)
    chunks = (b"fmt " + struct.pack("<I", len(fmt)) + fmt
              + b"fact" + struct.pack("<II", 4, count)
              + b"data" + struct.pack("<I", len(data)) + data)
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "sounds")
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(SEED)
    for name, seconds in LENGTHS.items():
        buf = [0.0] * samples(seconds)
        RECIPES[name](buf, rng)
        buf = finish(buf, CLICK_LOUDNESS if name == "BPRESS" else LOUDNESS)
        path = os.path.join(folder, name + ".wav")
        if ENCODINGS[name] == PCM8:
            write_pcm8(path, buf)
        else:
            write_ima_adpcm(path, buf)
        top = max(abs(v) for v in buf)
        print(f"{name:10s} {seconds:5.2f} s  {ENCODINGS[name]:9s} "
              f"loudness {loudness(buf):6.1f} dBFS  peak {20 * math.log10(top):5.1f} dBFS")


if __name__ == "__main__":
    main()
