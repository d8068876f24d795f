#!/usr/bin/env python3
"""Checks Power against exp(y · ln x) computed with 60 significant digits.

Runs power_samples, reads "x y result" lines of doubles' bits in hexadecimal
and requires every result to be the double nearest the exact x^y
(Decimal(float) is exact and float(Decimal) rounds correctly, subnormals
included). Also reports how many results differ from this machine's C
library pow, for information.
"""
import decimal
import multiprocessing
import struct
import subprocess
import sys


def from_bits(text):
    return struct.unpack("<d", struct.pack("<Q", int(text, 16)))[0]


def reference(x, y):
    if x == 0.0:
        return 0.0
    with decimal.localcontext() as context:
        context.prec = 60
        return float((decimal.Decimal(y) * decimal.Decimal(x).ln()).exp())


def check(line):
    """What went wrong when Power's result is not the reference, else None;
    and whether the C library's pow differs from Power."""
    x, y, got = (from_bits(field) for field in line.split())
    want = reference(x, y)
    mismatch = f"{x.hex()} ^ {y.hex()} gave {got.hex()}, want {want.hex()}"
    return (None if got == want else mismatch), got != x**y


def main():
    program = sys.argv[1]
    count = sys.argv[2] if len(sys.argv) > 2 else "100000"
    lines = subprocess.run([program, count], check=True, capture_output=True, text=True).stdout.splitlines()
    with multiprocessing.Pool() as pool:
        results = pool.map(check, lines, chunksize=2000)
    wrong = [mismatch for mismatch, _ in results if mismatch]
    unlike_libm = sum(differs for _, differs in results)
    print(f"{len(lines)} inputs, {len(wrong)} not correctly rounded, {unlike_libm} unlike this C library's pow")
    for mismatch in wrong[:20]:
        print("wrong:", mismatch)
    return 1 if wrong or len(lines) != int(count) else 0


if __name__ == "__main__":
    sys.exit(main())
