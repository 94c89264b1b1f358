#!/usr/bin/env python3
"""Writes rag.mid: a short piano rag of our own, as a Standard MIDI File.

A stride left hand (bass on one and three, chords on two and four) under a
syncopated right hand drawn from each bar's chord. It lasts 32 bars of 4/4 at
120 beats a minute (64 s) and its last event falls exactly on the final bar
line, so the looping tune keeps time. The same bytes on every run.
"""
import struct
import sys

TPQ = 480
BAR = 4 * TPQ
STEP = TPQ // 4  # a sixteenth

NOTE = {'C': 0, 'C#': 1, 'D': 2, 'Eb': 3, 'E': 4, 'F': 5, 'F#': 6, 'G': 7, 'Ab': 8, 'A': 9, 'Bb': 10, 'B': 11}
CHORDS = {  # root and the chord's pitch classes
    'C': ('C', [0, 4, 7]), 'C7': ('C', [0, 4, 7, 10]), 'F': ('F', [5, 9, 0]), 'Fm': ('F', [5, 8, 0]),
    'G7': ('G', [7, 11, 2, 5]), 'A7': ('A', [9, 1, 4, 7]), 'D7': ('D', [2, 6, 9, 0]), 'E7': ('E', [4, 8, 11, 2]),
    'Dm': ('D', [2, 5, 9]),
}
# One chord per bar, or two (half a bar each).
A1 = ['C', 'C', 'G7', 'G7', 'C', 'A7', 'D7', 'G7']
A2 = ['C', 'C', 'G7', 'G7', 'C', 'E7', ('Dm', 'G7'), 'C']
B1 = ['F', 'F', 'C', 'C', 'D7', 'D7', 'G7', 'G7']
B2 = ['F', 'Fm', 'C', 'A7', 'D7', 'G7', ('C', 'G7'), 'C']
FORM = A1 + A2 + B1 + B2

# Right-hand rhythms: onsets and lengths in sixteenths, the tied 3-3-2 of a rag among them.
RHYTHMS = [
    [(0, 2), (2, 1), (3, 3), (6, 2), (8, 2), (10, 1), (11, 3), (14, 2)],
    [(0, 3), (3, 3), (6, 2), (8, 3), (11, 3), (14, 2)],
    [(0, 1), (1, 1), (2, 2), (4, 3), (7, 1), (8, 2), (10, 2), (12, 4)],
    [(0, 2), (2, 2), (4, 1), (5, 3), (8, 2), (10, 1), (11, 5)],
]


def chord_at(bar, step):
    c = FORM[bar]
    if isinstance(c, tuple):
        c = c[0] if step < 8 else c[1]
    return CHORDS[c]


def melody(bar):
    """Chord tones climbing and falling in the fifth octave, each touched
    from a half step below on the off-beats."""
    out = []
    rhythm = RHYTHMS[(bar * 3 + bar // 8) % len(RHYTHMS)]
    direction = 1 if (bar // 2) % 2 == 0 else -1
    for i, (onset, length) in enumerate(rhythm):
        _, pcs = chord_at(bar, onset)
        tones = sorted(60 + 12 + pc if pc < 5 else 60 + pc for pc in pcs)
        k = i % len(tones) if direction > 0 else len(tones) - 1 - i % len(tones)
        pitch = tones[k] + (12 if (bar + i) % 5 == 4 else 0)
        if onset % 2 == 1 and length == 1:
            pitch -= 1  # a chromatic lean into the next tone
        last_bar_end = bar == len(FORM) - 1 and onset >= 8
        if last_bar_end:
            break
        out.append((onset * STEP, length * STEP - 20, pitch, 92 if onset % 4 == 0 else 80))
    if bar == len(FORM) - 1:
        out.append((8 * STEP, 8 * STEP - 40, 72, 96))
    return out


def stride(bar):
    out = []
    for beat in range(4):
        root, pcs = chord_at(bar, beat * 4)
        if beat % 2 == 0:
            bass = 36 + NOTE[root] + (7 if beat == 2 and NOTE[root] < 5 else 0)
            out.append((beat * TPQ, TPQ - 60, bass, 84))
            out.append((beat * TPQ, TPQ - 60, bass + 12, 70))
        else:
            for pc in pcs[:3]:
                out.append((beat * TPQ, TPQ // 2, 55 + (pc - 7) % 12, 62))
    return out


def var_len(n):
    b = [n & 0x7F]
    n >>= 7
    while n:
        b.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(b)


def track(events, end):
    """events: (tick, order, bytes); the track ends exactly at tick end."""
    data = b''
    now = 0
    for tick, _, msg in sorted(events):
        data += var_len(tick - now) + msg
        now = tick
    data += var_len(end - now) + b'\xff\x2f\x00'
    return b'MTrk' + struct.pack('>I', len(data)) + data


def notes(channel, parts, end):
    ev = []
    for bar in range(len(FORM)):
        for start, length, pitch, vel in parts(bar):
            t = bar * BAR + start
            assert t + length <= end
            ev.append((t + length, 0, bytes([0x80 | channel, pitch, 0])))
            ev.append((t, 1, bytes([0x90 | channel, pitch, vel])))
    return ev


def main(path):
    end = len(FORM) * BAR
    tempo = [(0, 0, b'\xff\x58\x04\x04\x02\x18\x08'), (0, 1, b'\xff\x51\x03' + (500000).to_bytes(3, 'big'))]
    right = [(0, 0, b'\xc0\x00')] + notes(0, melody, end)
    left = [(0, 0, b'\xc1\x00')] + notes(1, stride, end)
    smf = b'MThd' + struct.pack('>IHHH', 6, 1, 3, TPQ)
    smf += track(tempo, end) + track(right, end) + track(left, end)
    with open(path, 'wb') as f:
        f.write(smf)


if __name__ == '__main__':
    main(sys.argv[1])
