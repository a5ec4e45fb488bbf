#!/usr/bin/env python3
"""Synthesises cashin.wav, the cash-register sound played after a booking or a food order.

Our own sound: a drawer's mechanical clatter followed by two bell strikes, made from
decaying sine partials and a little filtered noise. Run it to make the file anew:
    python3 sounds/make_cashin.py sounds/cashin.wav
"""
import math
import random
import struct
import sys
import wave

RATE = 22050
LENGTH_S = 0.9


def bell(t, start, base, strength):
    """A struck bell: inharmonic partials, each decaying at its own pace."""
    if t < start:
        return 0.0
    dt = t - start
    partials = ((1.0, 1.0, 5.0), (2.76, 0.5, 8.0), (5.40, 0.25, 12.0), (8.93, 0.12, 18.0))
    return strength * sum(a * math.exp(-d * dt) * math.sin(2 * math.pi * base * r * dt)
                          for r, a, d in partials)


def clatter(t, rng, state):
    """Short bursts of band-limited noise: the drawer and the keys."""
    bursts = ((0.000, 0.030), (0.045, 0.025), (0.085, 0.040))
    level = 0.0
    for start, length in bursts:
        if start <= t < start + length:
            level = 0.35 * math.exp(-(t - start) / (length / 3))
    state[0] = 0.6 * state[0] + 0.4 * rng.uniform(-1.0, 1.0)
    return level * state[0]


def main(path):
    rng = random.Random(7)
    state = [0.0]
    frames = bytearray()
    for n in range(int(RATE * LENGTH_S)):
        t = n / RATE
        value = clatter(t, rng, state) + bell(t, 0.12, 1568.0, 0.35) + bell(t, 0.22, 2093.0, 0.30)
        fade = min(1.0, (LENGTH_S - t) / 0.05)
        sample = max(-1.0, min(1.0, value * fade))
        frames += struct.pack('<h', int(sample * 32000))
    with wave.open(path, 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'cashin.wav')
