#!/usr/bin/env python3
"""Writes FunctionReference.inc: reference values of the scientific functions.

Each row holds exactly representable Extended arguments and the exact value of
the mathematical function (not of CVMath's composition) at those arguments,
computed with mpmath at 320 bits, checked against 480 bits, and rounded to the
nearest 64-bit significand, ties to even. The table is committed; the build
never runs this script.

    python3 tests/math/make_function_reference.py > tests/math/FunctionReference.inc

It needs mpmath (Debian: python3-mpmath); the arguments come from a fixed seed,
so a run reproduces the committed table.
"""

import random

import mpmath
from mpmath import mp, mpf

WORK_BITS = 320
CHECK_BITS = 480
rng = random.Random(20240611)
# Arguments are built at the Extended significand's width, so that negating
# or stepping one of them stays exact.
mp.prec = 64


def round64(value):
    with mp.workprec(64):
        return +value


def to_bits(value):
    """(sign and exponent word, significand) of a value with a 64-bit significand."""
    if value == 0:
        return (0x8000 if mpmath.sign(value) < 0 else 0, 0)
    sign = 0x8000 if value < 0 else 0
    man, exp = abs(value).man_exp
    length = int(man).bit_length()
    assert length <= 64, value
    significand = int(man) << (64 - length)
    biased = exp + length - 1 + 16383
    assert 1 <= biased <= 0x7FFE, f"{value} is not a normal Extended"
    return (sign | biased, significand)


def log_uniform(low, high, signed=False):
    """A 64-bit number whose magnitude is spread evenly in log between low and high."""
    with mp.workprec(96):
        exponent = mpf(rng.uniform(float(mpmath.log10(low)), float(mpmath.log10(high))))
        value = mp.power(10, exponent)
    value = round64(value)
    if signed and rng.random() < 0.5:
        value = -value
    return value


def uniform(low, high):
    with mp.workprec(96):
        value = mpf(low) + (mpf(high) - mpf(low)) * mpf(rng.random())
    return round64(value)


def neighbours(value):
    """value and the Extended numbers one unit in the last place either side."""
    man, exp = value.man_exp
    length = int(man).bit_length()
    ulp = mpf(2) ** (exp + length - 64)
    return [value - ulp, value, value + ulp]


def cube_root(x):
    return mpmath.sign(x) * mpmath.cbrt(abs(x))


FUNCTIONS = {
    "Sin": mpmath.sin,
    "Cos": mpmath.cos,
    "Tg": mpmath.tan,
    "Ctg": mpmath.cot,
    "Sec": mpmath.sec,
    "Cosec": mpmath.csc,
    "ArcSin": mpmath.asin,
    "ArcCos": mpmath.acos,
    "ArcTg": mpmath.atan,
    "ArcCtg": lambda x: mpmath.atan(1 / x),
    "ArcTg2": lambda x, y: mpmath.atan2(y, x),
    "Sh": mpmath.sinh,
    "Ch": mpmath.cosh,
    "Th": mpmath.tanh,
    "Cth": mpmath.coth,
    "Sech": mpmath.sech,
    "Cosech": mpmath.csch,
    "ArSh": mpmath.asinh,
    "ArCh": mpmath.acosh,
    "ArTh": mpmath.atanh,
    "ArCth": lambda x: mpmath.atanh(1 / x),
    "CubeRoot": cube_root,
    "Factorial": lambda x: mpmath.factorial(int(x)),
    "PiValue": lambda: +mp.pi,
}

MAX_ANGLE = mpf(2) ** 63


def logs(low, high, signed=True):
    return lambda: log_uniform(mpf(low), mpf(high), signed)


def lines(low, high, signed=False):
    def sample():
        value = uniform(low, high)
        return -value if signed and rng.random() < 0.5 else value
    return sample


def sides(*values):
    """The values and their negatives."""
    return [v for value in values for v in (mpf(value), -mpf(value))]


def below_one(*powers):
    return sides(*(1 - mpf(2) ** -k for k in powers))


def above_one(*powers):
    return sides(*(1 + mpf(2) ** -k for k in powers))


def half_pi_multiples():
    values = []
    for largest, count in ((20, 6), (10**6, 4), (5 * 10**18, 4)):
        for _ in range(count):
            with mp.workprec(WORK_BITS + 80):
                target = rng.randint(1, largest) * mp.pi / 2
            values.extend(neighbours(round64(target)))
    return values


def angle_regions(name):
    zero = [] if name in ("Ctg", "Cosec") else [mpf(0)]
    return [
        ("tiny", logs("1e-30", "1e-3"), 16, zero),
        ("unit", logs("1e-3", 8), 30, []),
        ("wide", logs(8, "1e6"), 20, []),
        ("huge", logs("1e6", MAX_ANGLE), 20, sides(MAX_ANGLE - 1)),
        ("half pi multiples", None, 0, half_pi_multiples()),
    ]


def point():
    return (log_uniform(mpf("1e-100"), mpf("1e100"), True),
            log_uniform(mpf("1e-100"), mpf("1e100"), True))


def unit_point():
    return (uniform(-2, 2), uniform(-2, 2))


NEAR_ONE = below_one(8, 12, 20, 28, 36, 44, 52, 60, 63, 64) + sides(1)

# function -> [(region, sampler, count, fixed arguments)]
REGIONS = {
    **{name: angle_regions(name) for name in ("Sin", "Cos", "Tg", "Ctg", "Sec", "Cosec")},
    "ArcSin": [
        ("inner", lines(-0.7071, 0.7071), 30, [mpf(0)] + sides("1e-2000", "1e-20")),
        ("outer", lines(0.7072, 0.99, True), 30, []),
        ("near one", lines(0.99, 1, True), 10, NEAR_ONE),
    ],
    "ArcCos": [
        ("upper", lines(-0.99, 0.54), 30, [mpf(0)] + sides("1e-2000", "1e-20")),
        ("small angles", lines(0.5401, 0.99), 20, []),
        ("near one", lines(0.99, 1, True), 10, NEAR_ONE),
    ],
    "ArcTg": [("unit", logs("1e-3", "1e3"), 24, []),
              ("wide", logs("1e-4000", "1e4000"), 24, [mpf(0)])],
    "ArcCtg": [("unit", logs("1e-3", "1e3"), 24, []),
               ("wide", logs("1e-4000", "1e4000"), 24, [])],
    "ArcTg2": [("plane", point, 30, []), ("unit square", unit_point, 20, []),
               ("axes", None, 0, [(mpf(0), mpf(3)), (mpf(0), mpf(-3)), (mpf(2), mpf(0)),
                                  (mpf(-2), mpf(0)), (mpf(0), mpf(0))])],
    "Sh": [("small", logs("1e-25", 1), 30, [mpf(0)]),
           ("large", logs(1, 11356), 30, sides(1, 11356))],
    "Th": [("small", logs("1e-25", 1), 30, [mpf(0)]),
           ("large", logs(1, 11356), 30, sides(1, 11356))],
    "Cth": [("small", logs("1e-15", 1), 30, []),
            ("large", logs(1, 11356), 30, sides(1, 11356))],
    "Cosech": [("small", logs("1e-15", 1), 30, []),
               ("large", logs(1, 11000), 30, sides(1))],
    "Ch": [("all", logs("1e-25", 11356), 40, [mpf(0)] + sides(11356))],
    "Sech": [("all", logs("1e-25", 11000), 40, [mpf(0)])],
    "ArSh": [("small", logs("1e-25", 2, False), 30, [mpf(0), mpf(1)]),
             ("large", logs(2, "1e2400", False), 30, []),
             ("negative", lambda: -log_uniform(mpf("1e-15"), mpf("1e9")), 20, [])],
    "ArCh": [("near one", lines(1, 2), 20, [mpf(1)] + [1 + mpf(2) ** -k for k in (10, 30, 63)]),
             ("wide", logs(2, "1e2400", False), 30, [])],
    "ArTh": [("small", logs("1e-25", 0.5), 30, [mpf(0)]),
             ("outer", lines(0.5, 1, True), 24, below_one(20, 40, 64))],
    "ArCth": [("near one", lines(1, 2, True), 24, above_one(20, 40, 63) + sides(2)),
              ("wide", logs(2, "1e30"), 30, [])],
    "CubeRoot": [("near one", lines(0.5, 2, True), 20, sides(1)),
                 ("wide", logs("1e-4000", "1e4000"), 30,
                  [mpf(0), mpf(-8), mpf(27), mpf(1000)])],
    "Factorial": [("exact", None, 0, [mpf(n) for n in range(0, 26)]),
                  ("large", None, 0, [mpf(n) for n in (26, 30, 50, 100, 170, 171, 500, 1000,
                                                        1500, 1753, 1754)])],
    "PiValue": [("constant", None, 0, [()])],
}


def arguments(name):
    """(region, argument tuple) for every row of one function."""
    for region, sampler, count, fixed in REGIONS[name]:
        for value in [sampler() for _ in range(count)] + fixed:
            yield region, value if isinstance(value, tuple) else (value,)


def ulp(value):
    man, exp = value.man_exp
    return mpf(2) ** (exp + int(man).bit_length() - 64)


def reference(function, args):
    """The exact value rounded to 64 bits, and how far the exact value lies
    from that rounding, in units of its last place (between -0.5 and 0.5)."""
    results = []
    for bits in (WORK_BITS, CHECK_BITS):
        with mp.workprec(bits):
            exact = function(*args)
            rounded = round64(exact)
            residual = 0 if rounded == 0 else (exact - rounded) / ulp(rounded)
            results.append((rounded, float(residual)))
    assert results[0][0] == results[1][0], (args, results)
    assert abs(results[0][1] - results[1][1]) < 1e-9, (args, results)
    return results[0]


def bits_text(value):
    word, significand = to_bits(value)
    return f"{{0x{word:04X}, 0x{significand:016X}}}"


def main():
    print("// Generated by make_function_reference.py; see there. Rows: {function, region,")
    print("// x, y (ArcTg2 only), exact value rounded to 64 bits, exact minus rounded in ulps}")
    for name, function in FUNCTIONS.items():
        for region, args in arguments(name):
            expected, residual = reference(function, args)
            x = args[0] if args else mpf(0)
            y = args[1] if len(args) > 1 else mpf(0)
            shown = ", ".join(mpmath.nstr(a, 21) for a in args)
            print(f'{{"{name}", "{region}", {bits_text(x)}, {bits_text(y)}, '
                  f"{bits_text(expected)}, {residual:+.4f}}}, // {name}({shown}) = "
                  f"{mpmath.nstr(expected, 21)}")


if __name__ == "__main__":
    main()
