#!/usr/bin/env python3
"""Atom coordinates of lactose for the 3D movie (anims/lactose3d.swf).

Builds two pyranose rings as ideal 4C1 chairs (beta-D-galactose with its O4 axial, beta-D-glucose
with every group equatorial), joins them through the oxygen of the beta(1->4) bond, turns the
glucose about that bond to keep the two units apart, then sets every hydroxyl hydrogen where it is
farthest from other atoms. Prints the atom table that the movie holds: element, x, y, z in
angstroms, and the unit (g galactose, u glucose); then the bonds; then the index of the bridging
oxygen. Needs numpy (Debian: python3-numpy).
"""
import math, json
import numpy as np

def unit(v): return v / np.linalg.norm(v)

def chair(name_prefix):
    # ring order O5, C1, C2, C3, C4, C5; 4C1: C1 down, C4 up
    atoms = {}
    r = 1.45
    signs = {'O5': 1, 'C1': -1, 'C2': 1, 'C3': -1, 'C4': 1, 'C5': -1}
    order = ['O5', 'C1', 'C2', 'C3', 'C4', 'C5']
    for i, a in enumerate(order):
        t = math.radians(60 * i)
        atoms[a] = np.array([r * math.cos(t), r * math.sin(t), 0.25 * signs[a]])
    return atoms, signs, order

def directions(atoms, signs, a):
    p = atoms[a]
    radial = unit(np.array([p[0], p[1], 0.0]))
    axial = np.array([0, 0, 1.0 * signs[a]])
    equatorial = unit(radial - 0.33 * axial)
    return axial, equatorial

def build_unit(kind):
    atoms, signs, order = chair(kind)
    out = {k: ('O' if k.startswith('O') else 'C', v) for k, v in atoms.items()}
    bonds = [(order[i], order[(i + 1) % 6]) for i in range(6)]
    # substituents: which carbons carry O equatorial / axial
    for c, n in (('C1', '1'), ('C2', '2'), ('C3', '3'), ('C4', '4')):
        ax, eq = directions(atoms, signs, c)
        o_dir = eq
        h_dir = ax
        if kind == 'gal' and c == 'C4':  # galactose: O4 axial
            o_dir, h_dir = ax, eq
        out['O' + n] = ('O', atoms[c] + 1.43 * o_dir)
        out['H' + n] = ('H', atoms[c] + 1.10 * h_dir)
        bonds += [(c, 'O' + n), (c, 'H' + n)]
    ax, eq = directions(atoms, signs, 'C5')
    out['C6'] = ('C', atoms['C5'] + 1.53 * eq)
    out['H5'] = ('H', atoms['C5'] + 1.10 * ax)
    bonds += [('C5', 'C6'), ('C5', 'H5')]
    c6 = out['C6'][1]
    away = unit(c6 - atoms['C5'])
    side = unit(np.cross(away, np.array([0, 0, 1.0])))
    up = unit(np.cross(side, away))
    def tet(d1, d2):  # tetrahedral-ish direction from C6
        return unit(away * 0.33 + d1 * 0.94 * math.cos(d2) + up * 0.94 * math.sin(d2))
    out['O6'] = ('O', c6 + 1.43 * tet(side, 0.0))
    out['H6a'] = ('H', c6 + 1.10 * tet(side, 2.1))
    out['H6b'] = ('H', c6 + 1.10 * tet(side, -2.1))
    bonds += [('C6', 'O6'), ('C6', 'H6a'), ('C6', 'H6b')]
    return out, bonds

def add_hydroxyl_h(out, bonds, o, c):
    po = out[o][1]; pc = out[c][1]
    b = unit(po - pc)
    perp = unit(np.cross(b, np.array([0.3, 0.5, 0.8])))
    d = unit(b * 0.33 + perp * 0.94)
    out['H' + o] = ('H', po + 0.96 * d)
    bonds.append((o, 'H' + o))

def rotation(axis, angle):
    axis = unit(axis); a = math.cos(angle / 2); b, c, d = -axis * math.sin(angle / 2)
    return np.array([[a*a+b*b-c*c-d*d, 2*(b*c+a*d), 2*(b*d-a*c)],
                     [2*(b*c-a*d), a*a+c*c-b*b-d*d, 2*(c*d+a*b)],
                     [2*(b*d+a*c), 2*(c*d-a*b), a*a+d*d-b*b-c*c]])

gal, gal_bonds = build_unit('gal')
glc, glc_bonds = build_unit('glc')
# the glycosidic oxygen: Gal O1 replaces Glc O4
o1 = gal['O1'][1]; c1 = gal['C1'][1]
b1 = unit(o1 - c1)
best = None
for phi in range(0, 360, 10):
    for tors in range(0, 360, 10):
        # direction of O1 -> Glc C4 at 117 degrees from O1->C1
        perp = unit(np.cross(b1, np.array([0.0, 0.0, 1.0])))
        perp = rotation(b1, math.radians(phi)) @ perp
        target = unit(-b1 * math.cos(math.radians(117)) * -1 + perp * math.sin(math.radians(117)))
        target = unit(math.cos(math.radians(180 - 117)) * b1 + math.sin(math.radians(180 - 117)) * perp)
        c4_target = o1 + 1.43 * target
        # rigid transform: map glc C4 -> c4_target and glc O4 -> o1
        src_c4 = glc['C4'][1]; src_o4 = glc['O4'][1]
        v_src = unit(src_o4 - src_c4); v_dst = unit(o1 - c4_target)
        axis = np.cross(v_src, v_dst)
        if np.linalg.norm(axis) < 1e-6: R = np.eye(3)
        else: R = rotation(axis, -math.acos(max(-1, min(1, np.dot(v_src, v_dst)))))
        if np.linalg.norm(R @ v_src - v_dst) > 1e-3: R = rotation(axis, math.acos(max(-1, min(1, np.dot(v_src, v_dst)))))
        R = rotation(v_dst, math.radians(tors)) @ R
        placed = {k: (e, R @ (p - src_c4) + c4_target) for k, (e, p) in glc.items()}
        heavy_gal = [p for k, (e, p) in gal.items() if k not in ('O1', 'C1')]
        heavy_glc = [p for k, (e, p) in placed.items() if k not in ('O4', 'C4')]
        m = min(np.linalg.norm(a - b) for a in heavy_gal for b in heavy_glc if True)
        if best is None or m > best[0]:
            best = (m, placed)
glc_placed = best[1]
atoms = {}
for k, v in gal.items(): atoms["g" + k] = v
for k, v in glc_placed.items():
    if k == 'O4': continue
    atoms["u" + k] = v
bonds = [("g" + a, "g" + b) for a, b in gal_bonds]
for a, b in glc_bonds:
    a2 = "gO1" if a == 'O4' else "u" + a
    b2 = "gO1" if b == 'O4' else "u" + b
    bonds.append((a2, b2))
# hydroxyl hydrogens
for o, c in (('gO2', 'gC2'), ('gO3', 'gC3'), ('gO4', 'gC4'), ('gO6', 'gC6'), ('uO1', 'uC1'), ('uO2', 'uC2'), ('uO3', 'uC3'), ('uO6', 'uC6')):
    h = 'H' + o
    po = atoms[o][1]; pc = atoms[c][1]
    b = unit(po - pc); perp0 = unit(np.cross(b, np.array([0.3, 0.5, 0.8])))
    best_h = None
    for t in range(0, 360, 10):
        perp = rotation(b, math.radians(t)) @ perp0
        cand = po + 0.96 * unit(b * 0.33 + perp * 0.94)
        m = min(np.linalg.norm(cand - p) for k, (e, p) in atoms.items() if k != o)
        if best_h is None or m > best_h[0]:
            best_h = (m, cand)
    atoms[h] = ('H', best_h[1])
    bonds.append((o, h))
names = list(atoms.keys())
centre = sum(p for e, p in atoms.values()) / len(atoms)
out_atoms = [[atoms[n][0], *[round(float(x), 2) for x in atoms[n][1] - centre], n[0]] for n in names]
out_bonds = [[names.index(a), names.index(b)] for a, b in bonds]
counts = {}
for e, *_ in out_atoms: counts[e] = counts.get(e, 0) + 1
print(counts, "min distance between units", round(best[0], 2))
# check bond lengths and non-bonded clashes
idx = {n: i for i, n in enumerate(names)}
bad = [(a, b) for a, b in bonds if np.linalg.norm(atoms[a][1] - atoms[b][1]) > 1.7]
print("long bonds", bad)
# every pair of atoms that are not bonded nor share a neighbour
nb = {n: set() for n in names}
for a, b in bonds: nb[a].add(b); nb[b].add(a)
close = []
for i, a in enumerate(names):
    for b in names[i + 1:]:
        if b in nb[a] or nb[a] & nb[b]: continue
        d = np.linalg.norm(atoms[a][1] - atoms[b][1])
        if d < 1.9: close.append((a, b, round(float(d), 2)))
print("close pairs", close)
unit_of = lambda n: n[1] if n.startswith('H') and n[1] in 'gu' and n[2] == 'O' else n[0]
rows = [[atoms[n][0], *[round(float(x), 2) for x in atoms[n][1] - centre], unit_of(n)] for n in names]
import sys
print(",\n".join(json.dumps(r) for r in rows), file=sys.stderr)
print(json.dumps(out_bonds), file=sys.stderr)
print(names.index('gO1'), file=sys.stderr)
