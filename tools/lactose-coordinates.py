#!/usr/bin/env python3
"""Atom coordinates of lactose for the 3D movie (anims/lactose3d.swf).

Builds beta-lactose, beta-D-galactopyranosyl-(1->4)-beta-D-glucopyranose. Both rings are 4C1 chairs
with C-C bonds of 1.52 A and ring C-O bonds of 1.43 A, relaxed to tetrahedral angles; every group
sits on its carbon's tetrahedral directions, above or below the ring as the Haworth projection of
each D-sugar puts it (in beta-D-glucose every OH and the CH2OH are then equatorial, in
beta-D-galactose the OH of carbon 4 is axial). The glucose is turned about the two bonds of the
bridging oxygen, within the angles the exo-anomeric effect allows, to keep the two units farthest
apart; each hydroxyl hydrogen is turned to where it is farthest from the other atoms.

Coordinates are right-handed (x right, y up, z toward the viewer, as the movie projects them). The
script checks every bond length, the side of every group and the R/S configuration of several
stereocentres, then prints the table the movie holds: element, x, y, z in angstroms (to 0.001) and the unit
(g galactose, u glucose), centred on the molecule's mean position; the bonds; the index of the
bridging oxygen. Plain Python 3.
"""
import math
import sys

# --- vectors ---------------------------------------------------------------------------------
def add(a, b): return [a[0] + b[0], a[1] + b[1], a[2] + b[2]]
def sub(a, b): return [a[0] - b[0], a[1] - b[1], a[2] - b[2]]
def mul(a, k): return [a[0] * k, a[1] * k, a[2] * k]
def dot(a, b): return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]
def cross(a, b): return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]]
def norm(a): return math.sqrt(dot(a, a))
def unit(a): return mul(a, 1 / norm(a))
def dist(a, b): return norm(sub(a, b))

def angle(a, b, c):
    """The angle a-b-c in degrees."""
    return math.degrees(math.acos(max(-1, min(1, dot(unit(sub(a, b)), unit(sub(c, b)))))))

def place(a, b, c, bond, bond_angle, torsion):
    """The atom d bound to c: |cd| = bond, angle b-c-d = bond_angle, torsion a-b-c-d = torsion."""
    bc = unit(sub(c, b))
    n = unit(cross(sub(b, a), bc))
    m = cross(n, bc)
    t, p = math.radians(bond_angle), math.radians(torsion)
    d = [-bond * math.cos(t), bond * math.sin(t) * math.cos(p), bond * math.sin(t) * math.sin(p)]
    return add(c, add(mul(bc, d[0]), add(mul(m, d[1]), mul(n, d[2]))))

CC, CO, CH, OH = 1.52, 1.43, 1.09, 0.96
TETRAHEDRAL = 109.47
RING = ['O5', 'C1', 'C2', 'C3', 'C4', 'C5']

# --- one ring ------------------------------------------------------------------------------------
def chair():
    """The ring atoms of a 4C1 chair. Seen from +z, O5, C1 ... C5 run clockwise, so +z is "up" in
    the Haworth sense; C4 lies above the mean plane and C1 below it."""
    pucker = {'O5': 1, 'C1': -1, 'C2': 1, 'C3': -1, 'C4': 1, 'C5': -1}
    p = {a: [1.45 * math.cos(math.radians(-60 * i)), 1.45 * math.sin(math.radians(-60 * i)), 0.25 * pucker[a]]
         for i, a in enumerate(RING)}
    # Relax towards the bond lengths and angles: each target is a distance between two atoms.
    # Bonds hold firmly, angles (as 1-3 distances) give way.
    targets = []
    for i, a in enumerate(RING):
        b, c = RING[(i + 1) % 6], RING[(i + 2) % 6]
        ab = CO if 'O5' in (a, b) else CC
        bc = CO if 'O5' in (b, c) else CC
        middle = 112.0 if b == 'O5' else TETRAHEDRAL
        targets.append((a, b, ab, 0.1))
        targets.append((a, c, math.sqrt(ab * ab + bc * bc - 2 * ab * bc * math.cos(math.radians(middle))), 0.005))
    for _ in range(20000):
        step = {a: [0.0, 0.0, 0.0] for a in RING}
        for a, b, length, give in targets:
            d = sub(p[a], p[b])
            pull = mul(d, (norm(d) - length) / norm(d) * give)
            step[a] = sub(step[a], pull)
            step[b] = add(step[b], pull)
        for a in RING:
            p[a] = add(p[a], step[a])
    return p

def up_normal(p):
    """The ring's normal on the side from which O5, C1 ... C5 run clockwise: Haworth's "up"."""
    centre = mul([sum(p[a][k] for a in RING) for k in range(3)], 1 / 6)
    total = [0.0, 0.0, 0.0]
    for i, a in enumerate(RING):
        total = add(total, cross(sub(p[a], centre), sub(p[RING[(i + 1) % 6]], centre)))
    return mul(unit(total), -1)

def tetrahedral_pair(p, atom):
    """The two free tetrahedral directions of a ring atom, as (up, down)."""
    i = RING.index(atom)
    a, b, c = p[RING[i - 1]], p[atom], p[RING[(i + 1) % 6]]
    outward = unit(add(unit(sub(b, a)), unit(sub(b, c))))
    across = unit(cross(sub(a, b), sub(c, b)))
    half = math.radians(TETRAHEDRAL / 2)
    one = add(mul(outward, math.cos(half)), mul(across, math.sin(half)))
    two = sub(mul(outward, math.cos(half)), mul(across, math.sin(half)))
    return (one, two) if dot(one, up_normal(p)) > 0 else (two, one)

# The side of the oxygen (or, on carbon 5, of carbon 6) on each ring carbon, in Haworth's terms.
SIDES = {
    'glc': {'C1': 'up', 'C2': 'down', 'C3': 'up', 'C4': 'down', 'C5': 'up'},  # beta-D-glucose
    'gal': {'C1': 'up', 'C2': 'down', 'C3': 'up', 'C4': 'up', 'C5': 'up'},    # beta-D-galactose
}

def build_unit(kind):
    """Atoms {name: (element, position)} and bonds of one sugar, its hydroxyl hydrogens left out."""
    p = chair()
    atoms = {a: ('O' if a == 'O5' else 'C', p[a]) for a in RING}
    bonds = [(RING[i], RING[(i + 1) % 6]) for i in range(6)]
    for carbon, side in SIDES[kind].items():
        up, down = tetrahedral_pair(p, carbon)
        heavy, light = (up, down) if side == 'up' else (down, up)
        n = carbon[1]
        group = 'C6' if carbon == 'C5' else 'O' + n
        atoms[group] = (group[0], add(p[carbon], mul(heavy, CC if group == 'C6' else CO)))
        atoms['H' + n] = ('H', add(p[carbon], mul(light, CH)))
        bonds += [(carbon, group), (carbon, 'H' + n)]
    c6 = atoms['C6'][1]
    atoms['O6'] = ('O', place(p['O5'], p['C5'], c6, CO, TETRAHEDRAL, 60))  # the gt rotamer
    atoms['H6a'] = ('H', place(p['O5'], p['C5'], c6, CH, TETRAHEDRAL, 180))
    atoms['H6b'] = ('H', place(p['O5'], p['C5'], c6, CH, TETRAHEDRAL, -60))
    bonds += [('C6', 'O6'), ('C6', 'H6a'), ('C6', 'H6b')]
    return atoms, bonds

def frame(a, b, c):
    """An orthonormal frame of three points, as three rows."""
    x = unit(sub(b, a))
    z = unit(cross(x, sub(c, a)))
    return [x, cross(z, x), z]

def moved(point, source, target):
    """A point carried rigidly from the frame of `source` (three points) onto that of `target`."""
    fs, ft = frame(*source), frame(*target)
    local = [dot(sub(point, source[0]), axis) for axis in fs]
    return add(target[0], add(mul(ft[0], local[0]), add(mul(ft[1], local[1]), mul(ft[2], local[2]))))

# --- the two units joined ------------------------------------------------------------------------
gal, gal_bonds = build_unit('gal')
glc, glc_bonds = build_unit('glc')
gp = {k: v[1] for k, v in gal.items()}
glc_angle = angle(glc['O4'][1], glc['C4'][1], glc['C3'][1])
best = None
for phi in range(-100, -45, 5):      # O5'-C1'-O1-C4, exo-anomeric
    for psi in range(-180, 180, 5):  # C1'-O1-C4-C3
        c4 = place(gp['O5'], gp['C1'], gp['O1'], CO, 117.0, phi)
        c3 = place(gp['C1'], gp['O1'], c4, dist(glc['C4'][1], glc['C3'][1]), glc_angle, psi)
        source = (glc['O4'][1], glc['C4'][1], glc['C3'][1])
        placed = {k: (e, moved(v, source, (gp['O1'], c4, c3))) for k, (e, v) in glc.items() if k != 'O4'}
        apart = min(dist(a, b) for k, (e, a) in gal.items() if k not in ('C1', 'O1')
                    for j, (f, b) in placed.items() if j != 'C4')
        if best is None or apart > best[0]:
            best = (apart, placed, phi, psi)
atoms = {'g' + k: v for k, v in gal.items()}
atoms.update({'u' + k: v for k, v in best[1].items()})
bonds = [('g' + a, 'g' + b) for a, b in gal_bonds]
bonds += [tuple('gO1' if x == 'O4' else 'u' + x for x in bond) for bond in glc_bonds]

# Hydroxyl hydrogens, each turned to where it is farthest from every other atom.
for unit_name, oxygens in (('g', ('O2', 'O3', 'O4', 'O6')), ('u', ('O1', 'O2', 'O3', 'O6'))):
    for o in oxygens:
        carbon = 'C6' if o == 'O6' else 'C' + o[1]
        behind = 'C5' if o == 'O6' else ('O5' if o == 'O1' else 'C' + str(int(o[1]) - 1))
        po, pc, pb = atoms[unit_name + o][1], atoms[unit_name + carbon][1], atoms[unit_name + behind][1]
        spot = max((place(pb, pc, po, OH, 108.5, t) for t in range(0, 360, 10)),
                   key=lambda h: min(dist(h, q) for k, (e, q) in atoms.items() if k != unit_name + o))
        atoms[unit_name + 'H' + o] = ('H', spot)
        bonds.append((unit_name + o, unit_name + 'H' + o))

# --- checks -----------------------------------------------------------------------------------
faults = []
expected = {frozenset('CC'): CC, frozenset('CO'): CO, frozenset('CH'): CH, frozenset('OH'): OH}
for a, b in bonds:
    length = dist(atoms[a][1], atoms[b][1])
    want = expected[frozenset(atoms[a][0] + atoms[b][0])]
    if abs(length - want) > 0.002:
        faults.append('bond %s-%s is %.3f A, not %.2f' % (a, b, length, want))
for unit_name, kind in (('g', 'gal'), ('u', 'glc')):
    ring = {a: atoms[unit_name + a][1] for a in RING}
    up = up_normal(ring)
    for carbon, side in SIDES[kind].items():
        group = 'C6' if carbon == 'C5' else 'O' + carbon[1]
        name = 'gO1' if (unit_name, group) == ('u', 'O4') else unit_name + group
        towards = dot(sub(atoms[name][1], ring[carbon]), up)
        if (towards > 0) != (side == 'up'):
            faults.append('%s of %s is not %s' % (name, unit_name + carbon, side))

def configuration(centre, by_priority):
    """R or S at `centre`, its four neighbours given from the highest priority to the lowest."""
    v = [sub(atoms[n][1], atoms[centre][1]) for n in by_priority[:3]]
    return 'R' if dot(cross(v[0], v[1]), v[2]) < 0 else 'S'

for centre, neighbours, want in (
        ('uC2', ('uO2', 'uC1', 'uC3', 'uH2'), 'R'), ('uC5', ('uO5', 'uC4', 'uC6', 'uH5'), 'R'),
        ('uC4', ('gO1', 'uC5', 'uC3', 'uH4'), 'S'), ('uC1', ('uO5', 'uO1', 'uC2', 'uH1'), 'R'),
        ('gC2', ('gO2', 'gC1', 'gC3', 'gH2'), 'R'), ('gC4', ('gO4', 'gC5', 'gC3', 'gH4'), 'R'),
        ('gC5', ('gO5', 'gC4', 'gC6', 'gH5'), 'R')):
    if configuration(centre, neighbours) != want:
        faults.append('%s is not %s' % (centre, want))
bound = {n: set() for n in atoms}
for a, b in bonds:
    bound[a].add(b)
    bound[b].add(a)
names = list(atoms)
close = [(a, b, round(dist(atoms[a][1], atoms[b][1]), 2)) for i, a in enumerate(names) for b in names[i + 1:]
         if b not in bound[a] and not bound[a] & bound[b] and dist(atoms[a][1], atoms[b][1]) < 1.9]
if close:
    faults.append('atoms too close: %s' % close)
if faults:
    sys.exit('\n'.join(faults))
counts = {}
for e, _ in atoms.values():
    counts[e] = counts.get(e, 0) + 1
print('atoms %s; phi %d, psi %d; units %.2f A apart' % (counts, best[2], best[3], best[0]), file=sys.stderr)

# --- the table ------------------------------------------------------------------------------------
centre = mul([sum(p[k] for e, p in atoms.values()) for k in range(3)], 1 / len(atoms))
print(',\n'.join('["%s", %s, "%s"]' % (e, ', '.join('%.3f' % (x + 0.0) for x in sub(p, centre)), n[0])
                 for n, (e, p) in atoms.items()))
print('[' + ', '.join('[%d, %d]' % (names.index(a), names.index(b)) for a, b in bonds) + ']')
print(names.index('gO1'))
