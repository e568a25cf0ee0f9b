#!/usr/bin/env python3
"""The program's Michaelis-Menten and competitive fits agree with SciPy's curve_fit.

Usage: fits_against_scipy.py FIT_CHECK

FIT_CHECK is the test tool that prints the program's fits (tests/lab/FitCheck.cpp). Two sets of
runs are fitted by both: rates drawn around a known competitive model, and initial rates measured
on the model itself. The parameters, their standard errors and the residual errors must agree.
"""

import subprocess
import sys

import numpy as np
from scipy.optimize import curve_fit

FITTED = 0
RELATIVE = 1e-5  # parameters and errors; the two searches stop at slightly different points


def michaelis_menten(s, vmax, km):
    return vmax * s / (km + s)


def competitive(x, vmax, km, per_inhibitor):
    s, i = x
    return vmax * s / (km + per_inhibitor * i + s)


def program_fits(fit_check, runs=None):
    """Runs the tool; returns its runs (given or measured) and its fits."""
    if runs is None:
        out = subprocess.run([fit_check, "--sweep"], check=True, capture_output=True, text=True).stdout
    else:
        text = "".join(f"{s!r} {i!r} {v!r}\n" for s, i, v in runs)
        out = subprocess.run([fit_check], input=text, check=True, capture_output=True, text=True).stdout
    measured, joint, separate = [], None, {}
    for line in out.splitlines():
        words = line.split()
        if words[0] == "run":
            measured.append(tuple(float(w) for w in words[1:]))
        elif words[0] == "competitive":
            joint = [int(words[1])] + [float(w) for w in words[2:]]
        elif words[0] == "separate":
            separate[float(words[1])] = [int(words[2])] + [float(w) for w in words[3:]]
    return (measured if runs is None else runs), joint, separate


def close(what, ours, theirs, failures, tolerance=RELATIVE):
    if abs(ours - theirs) > tolerance * max(abs(theirs), 1e-12):
        failures.append(f"{what}: program {ours:.10g}, SciPy {theirs:.10g}")


def check(name, runs, joint, separate, failures):
    s = np.array([r[0] for r in runs])
    i = np.array([r[1] for r in runs])
    v = np.array([r[2] for r in runs])
    if joint[0] != FITTED:
        failures.append(f"{name}: the program's competitive fit has verdict {joint[0]}")
        return
    vmax, vmax_error, km, km_error, ki, ki_error, residual = joint[1:]
    p, covariance = curve_fit(competitive, (s, i), v, p0=[vmax * 1.2, km * 0.8, km / ki * 1.3],
                              method="lm", xtol=1e-14, ftol=1e-14, maxfev=100000)
    errors = np.sqrt(np.diag(covariance))
    dof = len(v) - 3
    scipy_residual = np.sqrt(np.sum((competitive((s, i), *p) - v) ** 2) / dof)
    scipy_ki = p[1] / p[2]
    # Ki = Km / c, its error by the same first-order propagation as the program's.
    relative = covariance[1, 1] / p[1] ** 2 + covariance[2, 2] / p[2] ** 2 - 2 * covariance[1, 2] / (p[1] * p[2])
    scipy_ki_error = scipy_ki * np.sqrt(relative)
    for what, ours, theirs in [("Vmax", vmax, p[0]), ("Km", km, p[1]), ("Ki", ki, scipy_ki),
                               ("error of Vmax", vmax_error, errors[0]), ("error of Km", km_error, errors[1]),
                               ("error of Ki", ki_error, scipy_ki_error),
                               ("residual error", residual, scipy_residual)]:
        close(f"{name}, competitive {what}", ours, theirs, failures)
    for inhibitor, fit in separate.items():
        chosen = i == inhibitor
        if fit[0] != FITTED:
            continue
        q, cov = curve_fit(michaelis_menten, s[chosen], v[chosen], p0=[fit[1] * 1.2, fit[3] * 0.8], method="lm",
                           xtol=1e-14, ftol=1e-14, maxfev=100000)
        q_errors = np.sqrt(np.diag(cov))
        q_residual = np.sqrt(np.sum((michaelis_menten(s[chosen], *q) - v[chosen]) ** 2) / (chosen.sum() - 2))
        for what, ours, theirs in [("Vmax", fit[1], q[0]), ("Km", fit[3], q[1]), ("error of Vmax", fit[2], q_errors[0]),
                                   ("error of Km", fit[4], q_errors[1]), ("residual error", fit[5], q_residual)]:
            close(f"{name}, I = {inhibitor:g}, {what}", ours, theirs, failures)


def main():
    fit_check = sys.argv[1]
    failures = []
    generator = np.random.default_rng(19)
    drawn = []
    for inhibitor in (0.0, 30.0, 80.0):
        for s in range(0, 201, 10):
            for _ in range(6):
                exact = 14.0 * s / (70.0 * (1 + inhibitor / 35.0) + s)
                drawn.append((float(s), inhibitor, float(exact + generator.normal(0.0, 0.6))))
    check("drawn rates", *program_fits(fit_check, drawn), failures)
    check("the model's rates", *program_fits(fit_check), failures)
    for failure in failures:
        print(failure)
    print("fits agree with SciPy" if not failures else f"{len(failures)} disagreements")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
