#!/usr/bin/env python3
"""Writes about 200 MB of mixed files into a folder: text, binaries, already-compressed data."""
import os
import random
import sys

root = sys.argv[1]
total_mb = int(sys.argv[2]) if len(sys.argv) > 2 else 200
rng = random.Random(42)
os.makedirs(root, exist_ok=True)


def write(name, data):
    path = os.path.join(root, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# Text: words drawn from a vocabulary, about 3:1 under deflate.
words = [("".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(2, 10)))).encode()
         for _ in range(5000)]
text_mb = total_mb * 40 // 100
for i in range(text_mb // 4):
    chunk = bytearray()
    while len(chunk) < 4 << 20:
        chunk += b" ".join(rng.choices(words, k=12)) + b"\n"
    write(f"text/doc{i:03d}.txt", bytes(chunk))
for i in range(400):
    write(f"text/small/note{i:03d}.txt", b" ".join(rng.choices(words, k=rng.randint(50, 2000))))

# Binaries: real shared libraries of this system, cut into files of 5 MB.
bin_mb = total_mb * 35 // 100
libdir = "/usr/lib/x86_64-linux-gnu"
blob = bytearray()
for name in sorted(os.listdir(libdir)):
    path = os.path.join(libdir, name)
    if ".so" in name and os.path.isfile(path) and not os.path.islink(path):
        with open(path, "rb") as f:
            blob += f.read()
    if len(blob) >= bin_mb << 20:
        break
for i in range(0, min(len(blob), bin_mb << 20), 5 << 20):
    write(f"bin/lib{i >> 20:04d}.so", bytes(blob[i:i + (5 << 20)]))

# Already compressed: incompressible bytes, as in archives, images and video.
packed_mb = total_mb - text_mb - bin_mb
for i in range(packed_mb // 5):
    write(f"media/clip{i:02d}.bin", rng.randbytes(5 << 20))
