#!/usr/bin/env python3
"""Writes KernelReference.inc: reference values of the elementary kernels
(Elementary::Sin, Cos, Tan, Exp) at arguments across the whole Extended
range, including the hardest cases of the argument reduction.

The hard cases are the Extended numbers closest to a multiple of pi/2 for
exponents spread over the range, found from the continued fraction of
2^e * 2/pi; their sine or cosine is tiny and needs the remainder to well over
128 bits. Values are computed with mpmath at 20,000 bits (enough for the
reduction of 2^16383) and rounded to nearest, to the denormal ulp where the
value is denormal. The table is committed; the build never runs this script.

    python3 tests/math/make_kernel_reference.py > tests/math/KernelReference.inc
"""

import random

import mpmath
from mpmath import mp, mpf

mp.prec = 20000
rng = random.Random(20261210)
MIN_EXPONENT = -16382  # of the normal numbers
DENORMAL_ULP = -16445


def to_bits(value):
    """(sign and exponent word, significand) of value rounded to nearest."""
    if value == 0:
        return (0x8000 if mpmath.sign(value) < 0 else 0, 0)
    sign = 0x8000 if value < 0 else 0
    magnitude = abs(value)
    exponent = int(mpmath.floor(mpmath.log(magnitude, 2)))
    # log2 may be one off near a power of two
    while mpf(2) ** exponent > magnitude:
        exponent -= 1
    while mpf(2) ** (exponent + 1) <= magnitude:
        exponent += 1
    ulp_exponent = max(exponent, MIN_EXPONENT) - 63
    units = magnitude / mpf(2) ** ulp_exponent
    significand = int(mpmath.nint(units))  # ties to even
    if significand == 1 << 64:
        significand >>= 1
        ulp_exponent += 1
    biased = ulp_exponent + 63 + 16383 if significand >> 63 else 0
    assert biased <= 0x7FFE, value
    return (sign | biased, significand)


def value_of(bits):
    se, significand = bits
    biased = se & 0x7FFF
    magnitude = mpf(significand) * mpf(2) ** (max(biased, 1) - 16383 - 63)
    return -magnitude if se & 0x8000 else magnitude


def ulp_of(bits):
    return mpf(2) ** (max(bits[0] & 0x7FFF, 1) - 16383 - 63)


def extended(mantissa, exponent):
    return mpf(mantissa) * mpf(2) ** exponent


def random_extended(low_exponent, high_exponent):
    exponent = rng.randint(low_exponent, high_exponent)
    mantissa = rng.getrandbits(63) | (1 << 63)
    value = extended(mantissa, exponent - 63)
    return -value if rng.random() < 0.5 else value


def nearest_to_quarter_turns(exponent):
    """The Extended m * 2^(exponent - 63) closest to a multiple of pi/2."""
    scale = exponent - 63
    alpha = mpmath.frac(mpf(2) ** scale * 2 / mp.pi)
    best = None
    # Convergents p/q of alpha; multiples k*q inside [2^63, 2^64) are candidates.
    h0, h1, k0, k1 = 1, 0, 0, 1
    rest = alpha
    for _ in range(200):
        if rest == 0:
            break
        a = int(mpmath.floor(1 / rest))
        rest = 1 / rest - a
        h0, h1 = h1, a * h1 + h0
        k0, k1 = k1, a * k1 + k0
        q = k1
        if q >= 1 << 64:
            break
        multiple = max(1, -(-(1 << 63) // q))
        m = multiple * q
        if m >= 1 << 64:
            continue
        distance = abs(mpmath.frac(m * alpha + mpf(1) / 2) - mpf(1) / 2)
        if best is None or distance < best[0]:
            best = (distance, m)
    return extended(best[1], scale)


def rows():
    arguments = []
    for low, high, count in [(-70, -1, 20), (-1, 3, 60), (3, 20, 40), (20, 63, 40),
                             (63, 16383, 60)]:
        arguments += [random_extended(low, high) for _ in range(count)]
    arguments += [mpf(10) ** 4000, mpf(2) ** 16383, mpf(2) ** 63]
    # The tangent's seams: where its series gives way to its table of
    # tan(k/128), and halfway between table points, on either side.
    arguments += [mpf("0.2") + d * mpf(2) ** -62 for d in (-1, 1)]
    arguments += [(mpf(k) + mpf(1) / 2) / 128 + d * mpf(2) ** -40
                  for k in (26, 28, 29, 64, 100) for d in (-1, 1)]
    # Where a sine taken from its series alone, all the way to pi/4, strays
    # past 0.7 ulp (found by dense sampling): the series part is a tenth of
    # the result there.
    arguments += [extended(0xC77D62BEF1AFC334, -64), extended(0xB2EF96B676CF885F, 5 - 63),
                  extended(0xB67A89370D8C8A7C, 4 - 63), extended(0xA4176BEAB07B3E02, 3 - 63)]
    for exponent in [0, 1, 2, 5, 10, 20, 40, 60, 62, 63, 64, 100, 200, 500, 1000, 2000,
                     4000, 8000, 12000, 16000, 16383]:
        arguments.append(nearest_to_quarter_turns(exponent))
    for function, evaluate in [("Sin", mpmath.sin), ("Cos", mpmath.cos), ("Tan", mpmath.tan)]:
        for x in arguments:
            x = value_of(to_bits(x))
            yield function, x, evaluate(x)
    exp_arguments = [mpf(rng.uniform(-1, 1)) for _ in range(40)]
    exp_arguments += [mpf(rng.uniform(-11356, 11356)) for _ in range(60)]
    # Denormal results, and the edge of the normal range.
    exp_arguments += [mpf(rng.uniform(-11399, -11355)) for _ in range(40)]
    exp_arguments += [mpf(-11355.1371) + mpf(i) / 1000 for i in range(-5, 5)]
    exp_arguments += [mpf(11356.5), mpf(-11356), mpf(1), mpf(-1), mpf(2) ** -70]
    for x in exp_arguments:
        x = value_of(to_bits(x))
        yield "Exp", x, mpmath.exp(x)


def main():
    print("// Generated by make_kernel_reference.py; see there. Rows: {function, x,")
    print("// exact value rounded to nearest, exact minus rounded in ulps}")
    for function, x, exact in rows():
        xb = to_bits(x)
        eb = to_bits(exact)
        residual = (exact - value_of(eb)) / ulp_of(eb)
        print(f'{{"{function}", {{0x{xb[0]:04X}, 0x{xb[1]:016X}}}, '
              f'{{0x{eb[0]:04X}, 0x{eb[1]:016X}}}, {float(residual):+.4f}}},')


main()
