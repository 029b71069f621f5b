#!/usr/bin/env python3
"""A microphone for Orvel under test: writes 16 kHz 16-bit mono samples to
FIFO (read by SDL's disk audio driver) at the pace of real time, quiet noise
when nothing is said; each line read from CONTROL names a raw file of samples
that is said next. Ends when CONTROL is closed."""
import os
import random
import select
import struct
import sys
import time

RATE = 16000
BLOCK = 256  # samples: 16 ms

fifo, control = sys.argv[1], sys.argv[2]
ctl = os.open(control, os.O_RDONLY | os.O_NONBLOCK)
out = open(fifo, "wb", buffering=0)
rng = random.Random(5)
pending = b""
buffered = b""
start = time.monotonic()
sent = 0
while True:
    ready, _, _ = select.select([ctl], [], [], 0)
    if ready:
        chunk = os.read(ctl, 4096)
        if chunk:
            buffered += chunk
            while b"\n" in buffered:
                line, buffered = buffered.split(b"\n", 1)
                with open(line.decode(), "rb") as f:
                    pending += f.read()
    if len(pending) >= BLOCK * 2:
        block, pending = pending[: BLOCK * 2], pending[BLOCK * 2 :]
        samples = struct.unpack("<%dh" % BLOCK, block)
    else:
        pending = b""
        samples = [0] * BLOCK
    noisy = [max(-32768, min(32767, s + int(rng.gauss(0, 30)))) for s in samples]
    try:
        out.write(struct.pack("<%dh" % BLOCK, *noisy))
    except BrokenPipeError:
        break
    sent += BLOCK
    delay = start + sent / RATE - time.monotonic()
    if delay > 0:
        time.sleep(delay)
