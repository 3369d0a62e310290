#!/usr/bin/env python3
"""Writes the library's accuracy table: arguments that are exact long doubles and the values of
the functions at them, computed by mpmath with 60 digits and stored as pairs of long doubles
(hi + lo), so that the test knows the error of a result to a small fraction of a unit in the
last place without mpmath.

    tests/support/reference_values.py > tests/textcalc/library/reference_values.inc
    tests/support/reference_values.py --random 500 > /tmp/wide.inc   # a wider sample

The arguments are the hard ones listed below (beside poles, overflow and cancellation) and
`--random` seeded random ones per function (default 12)."""
import argparse
import random

import mpmath
from mpmath import mp, mpf, mpc

mp.dps = 60
BITS = 64  # the significand of a long double


def rounded(x):
    """x rounded to the nearest long double (as an mpf); 0 stays 0."""
    if x == 0:
        return mpf(0)
    with mp.workprec(BITS):
        return +x


def literal(x):
    """An exact C hex literal of the long double x."""
    if x == 0:
        return "0.0L"
    man, exp = mpmath.mpf(abs(x)).man_exp
    sign = "-" if x < 0 else ""
    return f"{sign}0x{man:x}p{exp}L"


def split(x):
    hi = rounded(x)
    return hi, rounded(x - hi)


def argument(v):
    """The long double nearest to v (a float, an mpf or a decimal text)."""
    return rounded(mpf(v))


def random_argument(rng, low, high):
    """A random long double in [low, high] with all 64 bits of its significand used."""
    v = mpf(low) + (mpf(high) - mpf(low)) * mpf(rng.getrandbits(80)) / mpf(2) ** 80
    return argument(v)


def real(name, f, hard, low, high, count, rng, rows):
    args = [argument(a) for a in hard] + [random_argument(rng, low, high) for _ in range(count)]
    for x in args:
        y = f(x)
        hi, lo = split(y)
        rows.append((name, x, mpf(0), hi, lo, mpf(0), mpf(0)))


def complex_(name, f, hard, box, count, rng, rows):
    (lr, hr), (li, hi_) = box
    args = [(argument(a), argument(b)) for a, b in hard]
    while len(args) < len(hard) + count:
        a, b = random_argument(rng, lr, hr), random_argument(rng, li, hi_)
        if b == 0:
            continue
        z = f(mpc(a, b))
        # Away from cancellation: each part at least a thousandth of the value's modulus.
        if min(abs(z.real), abs(z.imag)) < abs(z) / 1000:
            continue
        args.append((a, b))
    for a, b in args:
        z = f(mpc(a, b))
        rh, rl = split(z.real)
        ih, il = split(z.imag)
        rows.append((name, a, b, rh, rl, ih, il))


def factorial_rows(hard, count, rng, rows):
    ns = list(hard) + [rng.randint(21, 1754) for _ in range(count)]
    for n in ns:
        hi, lo = split(mpmath.factorial(n))
        rows.append(("fact", mpf(n), mpf(0), hi, lo, mpf(0), mpf(0)))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--random", type=int, default=12, help="random arguments per function")
    parser.add_argument("--seed", type=int, default=30)
    options = parser.parse_args()
    rng = random.Random(options.seed)
    n = options.random
    rows = []
    half_pi = mp.pi / 2
    real("exp", mpmath.exp, ["1", "-11000", "11355", "1e-30"], -50, 50, n, rng, rows)
    real("ln", mpmath.log, ["2", "0.9999999999", "1e-4000", "1e4000"], 1e-5, 1e5, n, rng, rows)
    real("log10", mpmath.log10, ["2", "7", "1e-4000"], 1e-5, 1e5, n, rng, rows)
    real("sqrt", mpmath.sqrt, ["2", "1e-4001", "3e4000"], 0, 1e6, n, rng, rows)
    real("sin", mpmath.sin, ["3.14159265358979323846", "1e22", "-1308914.73487096260783"], -10, 10, n, rng, rows)
    real("cos", mpmath.cos, ["1.57079632679489661923", "1e22"], -10, 10, n, rng, rows)
    real("tan", mpmath.tan, ["1.5707963268", "-1308914.73487096260783", "1.57079632679489661923", "1e22"],
         -10, 10, n, rng, rows)
    real("sinh", mpmath.sinh, ["1e-10", "0.5", "0.99", "11355"], -30, 30, n, rng, rows)
    real("cosh", mpmath.cosh, ["1e-10", "0.5", "11355"], -30, 30, n, rng, rows)
    real("tanh", mpmath.tanh, ["6000", "-6000", "1e-10", "0.55", "22.5"], -25, 25, n, rng, rows)
    real("arcsin", mpmath.asin, ["0.5", "0.9999999999", "-1e-10"], -1, 1, n, rng, rows)
    real("arccos", mpmath.acos, ["0.5", "0.9999999999", "-0.9999999999"], -1, 1, n, rng, rows)
    real("arctan", mpmath.atan, ["1", "1e10", "-1e-10"], -100, 100, n, rng, rows)
    real("arcsinh", mpmath.asinh, ["1e-10", "0.5", "1e4000"], -100, 100, n, rng, rows)
    real("arccosh", mpmath.acosh, ["1.0000000001", "2", "1e4000"], 1, 100, n, rng, rows)
    real("arctanh", mpmath.atanh, ["0.5", "0.9999999999", "-1e-10", "0.25"], -1, 1, n, rng, rows)
    factorial_rows([21, 25, 170, 171, 1000, 1680, 1754], n, rng, rows)
    box = ((-5, 5), (-5, 5))
    complex_("exp", mpmath.exp, [("1", "1"), ("-3", "100")], box, n, rng, rows)
    complex_("ln", mpmath.log, [("-1", "0"), ("-0.0801550912204448400841", "-6.64667948170151683157e-12"),
                                ("0", "1")], box, n, rng, rows)
    complex_("sqrt", mpmath.sqrt, [("-4", "0"), ("3", "4"), ("0", "2")], box, n, rng, rows)
    complex_("sin", mpmath.sin, [("1", "1")], box, n, rng, rows)
    complex_("cos", mpmath.cos, [("1", "1")], box, n, rng, rows)
    complex_("tan", mpmath.tan, [("1.5", "1e-5"), ("1", "20"), ("0.5", "-40"), ("1.5707963267948966", "0.001")],
             box, n, rng, rows)
    complex_("sinh", mpmath.sinh, [("1", "1")], box, n, rng, rows)
    complex_("cosh", mpmath.cosh, [("1", "1")], box, n, rng, rows)
    complex_("tanh", mpmath.tanh, [("1e-5", "1.5"), ("20", "1"), ("30", "0.5"), ("0.001", "1.5707963267948966")],
             box, n, rng, rows)

    print("// Written by tests/support/reference_values.py (mpmath, 60 digits); do not edit.")
    print("// function, argument re, im, value re as hi + lo, value im as hi + lo")
    for name, a, b, rh, rl, ih, il in rows:
        print(f'{{"{name}", {literal(a)}, {literal(b)}, {literal(rh)}, {literal(rl)}, {literal(ih)}, {literal(il)}}},')


if __name__ == "__main__":
    main()
