#!/usr/bin/env python3
"""Works out the figures of a data file's two reports in exact rational arithmetic.

    python3 tests/tools/exact_statistics.py tests/fixtures/far_from_zero.txt

Reads a tab-separated data file (group, X, Y; a blank line is a case of no group) and prints,
for the raw scores and for X centred on its grand mean, each group of at least two cases and
all cases with n, the means, the least-squares slope and intercept and r, then the three F
tests with their degrees of freedom and, where R is installed, the exact upper tail of each F
(R's pf). Every figure is given to 20 significant digits, then as the report rounds it (half
away from zero) and with its margin: how far the exact value lies from the nearest boundary
between two printed values, in units of the last printed place (0.5 at most). A figure with a
margin near 0 may print either way in floating point, so a fixture should have none.

The scores are taken as the Doubles the program reads (each field is converted to the nearest
Double, which is then taken exactly), so nothing but the arithmetic differs from the
program's. The centred figures take X minus the exact grand mean.
"""
import shutil
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal, getcontext
from fractions import Fraction

getcontext().prec = 60

PLACES = {"mean X": 2, "mean Y": 2, "slope": 3, "intercept": 3, "r": 3, "F": 2, "p": 4}


def read_cases(path):
    with open(path, "rb") as f:
        text = f.read().decode("utf-8-sig")
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    cases = []
    for line in lines:
        fields = (line.split("\t") + ["", "", ""])[:3]
        code, x, y = (Fraction(float(v)) if v.strip() else Fraction(0) for v in fields)
        cases.append((int(code), x, y))  # int() truncates toward zero, as the program does
    return cases


def deviation_sums(cases):
    n = len(cases)
    mx = sum(c[1] for c in cases) / n
    my = sum(c[2] for c in cases) / n
    dxx = sum((c[1] - mx) ** 2 for c in cases)
    dyy = sum((c[2] - my) ** 2 for c in cases)
    dxy = sum((c[1] - mx) * (c[2] - my) for c in cases)
    return n, mx, my, dxx, dyy, dxy


def decimal(q):
    return Decimal(q.numerator) / Decimal(q.denominator)


def shown(name, value):
    """The figure, its printed rounding and its margin, as one line."""
    step = Decimal(1).scaleb(-PLACES[name])
    printed = value.quantize(step, rounding=ROUND_HALF_UP)
    margin = abs((abs(value) / step) % 1 - Decimal("0.5"))
    return f"{name:9} {value:<+28.20g} prints {printed:<16} margin {margin:.3f}"


def exact_tail(F, df1, df2):
    if shutil.which("Rscript") is None:
        return None
    command = f"cat(sprintf('%.15g', pf({F:.30g}, {df1}, {df2}, lower.tail = FALSE)))"
    out = subprocess.run(["Rscript", "-e", command], capture_output=True, text=True, check=True)
    return Decimal(out.stdout)


def report(cases, title):
    groups = {}
    for case in cases:
        if 1 <= case[0] <= 9:
            groups.setdefault(case[0], []).append(case)
    N, k = len(cases), len(groups)
    print(f"== {title}: N {N}, k {k}")

    separate = pxx = pyy = pxy = Fraction(0)
    rows = []
    for g in sorted(groups):
        if len(groups[g]) >= 2:
            n, mx, my, dxx, dyy, dxy = deviation_sums(groups[g])
            separate += dyy - dxy * dxy / dxx
            pxx, pyy, pxy = pxx + dxx, pyy + dyy, pxy + dxy
            rows.append((str(g), n, mx, my, dxx, dyy, dxy))
    rows.append(("Total",) + deviation_sums(cases))
    parallel = pyy - pxy * pxy / pxx
    _, _, _, dxx, dyy, dxy = deviation_sums(cases)
    common = dyy - dxy * dxy / dxx

    for name, n, mx, my, dxx, dyy, dxy in rows:
        slope = dxy / dxx
        print(f"group {name}, n {n}")
        print("  " + shown("mean X", decimal(mx)))
        print("  " + shown("mean Y", decimal(my)))
        print("  " + shown("slope", decimal(slope)))
        print("  " + shown("intercept", decimal(my - mx * slope)))
        print("  " + shown("r", decimal(dxy) / decimal(dxx * dyy).sqrt()))

    tests = (("Simultaneous", common, separate, 2 * k - 2, N - 2 * k),
             ("Slopes", parallel, separate, k - 1, N - 2 * k),
             ("Intercepts", common, parallel, k - 1, N - k - 1))
    for name, restricted, full, df1, df2 in tests:
        F = decimal(abs(((restricted - full) / df1) / (full / df2)))
        print(f"{name}, df {df1},{df2}")
        print("  " + shown("F", F))
        p = exact_tail(F, df1, df2)
        if p is not None:
            print("  " + shown("p", p))


def main():
    cases = read_cases(sys.argv[1])
    report(cases, "raw scores")
    m = sum(c[1] for c in cases) / len(cases)
    report([(c[0], c[1] - m, c[2]) for c in cases], "X centred on its grand mean")


if __name__ == "__main__":
    main()
