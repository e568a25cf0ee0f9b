// velmora2-batch built for node (build-web/velmora2-batch.js) against the native velmora2-batch:
// over a grid of runs (every reaction, events, seeds, symbol sizes and scenes, sweeps with
// repeats, faulty options) both must write the same files, byte for byte, say the same on standard
// output and end with the same status.
//
//   VELMORA_BATCH=build/velmora2-batch node --test web/tests/parity.test.mjs

import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { test } from 'node:test';

const root = resolve(import.meta.dirname, '..', '..');
const native = resolve(process.env.VELMORA_BATCH ?? join(root, 'build', 'velmora2-batch'));
const twin = resolve(process.env.VELMORA_BATCH_JS ?? join(root, 'build-web', 'velmora2-batch.js'));

// Runs one runner in a folder of its own; returns what it said and the files it wrote.
function run(command, args) {
  const folder = mkdtempSync(join(tmpdir(), 'velmora-parity-'));
  const result = spawnSync(command[0], [...command.slice(1), ...args], { cwd: folder, encoding: 'utf8' });
  const files = {};
  for (const name of readdirSync(folder).sort()) {
    files[name] = readFileSync(join(folder, name), 'latin1');
  }
  rmSync(folder, { recursive: true, force: true });
  return { status: result.status, stdout: result.stdout, stderr: result.stderr, files };
}

function same(args) {
  const expected = run([native], args);
  const got = run(['node', twin], args);
  const name = args.join(' ');
  assert.equal(got.status, expected.status, `${name}: ${got.stderr}`);
  assert.deepEqual(Object.keys(got.files), Object.keys(expected.files), name);
  for (const file of Object.keys(expected.files)) {
    assert.ok(got.files[file] === expected.files[file], `${name}: ${file} differs`);
  }
  assert.equal(got.stdout, expected.stdout, name);
  if (expected.status !== 0) {
    assert.equal(got.stderr, expected.stderr, name);
  }
  return expected;
}

const outputs = ['--csv', 'course.csv', '--dump', 'state.txt'];

test('single runs give the same time course and final state', () => {
  const grid = [];
  for (const reaction of [1, 2, 3, 4]) {
    grid.push(['--reaction', String(reaction), '--ticks', '2400']);
    grid.push(['--reaction', String(reaction), '--symbols', 'small', '--seed', '4242', '--ticks', '1300']);
  }
  grid.push(['--temperature', '25', '--ph', '8', '--other', '60', '--event', '400:temperature=60', '--event', '900:ph=3', '--ticks', '2500']);
  grid.push(['--reaction', '3', '--temperature', '-5', '--event', '200:temperature=80', '--seed', '4294967295']);
  grid.push(['--reaction', '4', '--enzyme', '200', '--substrate', '200', '--scene', '1024x768', '--max-products', '10']);
  grid.push(['--reaction', '2', '--ph', '1', '--temperature', '70', '--scene', '256x192', '--symbols', 'small', '--ticks', '3000']);
  grid.push(['--enzyme', '0', '--substrate', '0', '--ticks', '100']);
  for (const args of grid) {
    const result = same([...args, ...outputs]);
    assert.equal(result.status, 0);
    assert.ok(result.files['course.csv'].startsWith('second,substrate,percent,temperature,ph\n'));
  }
});

test('sweeps with repeats give the same tables', () => {
  const grid = [
    ['--sweep', 'temperature=-10:90:5', '--repeat', '3', '--ph', '8'],
    ['--sweep', 'ph=0:14:1', '--repeat', '4', '--compare', 'other=0,50', '--jobs', '2'],
    ['--sweep', 'enzyme=0:200:50', '--sweep', 'temperature=20:60:20', '--repeat', '2', '--reaction', '3'],
    ['--sweep', 'other=0:200:40', '--measure', 'half-time', '--measure', 'left', '--ticks', '1500', '--repeat', '2'],
    ['--sweep', 'temperature=0:80:20', '--measure', 'initial-rate:5', '--reaction', '4', '--symbols', 'small', '--seed', '99'],
  ];
  for (const args of grid) {
    const result = same([...args, '--table', 'table.csv']);
    assert.equal(result.status, 0);
  }
  // Substrate sweeps: the Michaelis-Menten fit, on standard output, is the same too.
  for (const args of [
    ['--sweep', 'substrate=0:200:20', '--repeat', '3', '--ph', '8'],
    ['--sweep', 'substrate=0:200:10', '--compare', 'other=0,50', '--repeat', '5', '--ph', '8'],
  ]) {
    const result = same([...args, '--table', 'table.csv']);
    assert.match(result.stdout, /Vmax|Michaelis/);
  }
});

test('faulty options and unwritable files end the same way, writing nothing', () => {
  for (const args of [
    ['--reaction', '5'],
    ['--ticks', 'many'],
    ['--bogus'],
    ['--csv', 'same.csv', '--dump', 'same.csv'],
    ['--sweep', 'ph=0:14:1', '--csv', 'course.csv'],
    ['--csv', 'missing-folder/course.csv'],
  ]) {
    const result = same(args);
    assert.notEqual(result.status, 0);
  }
});

test('the twin asks for the native runner to draw a picture', () => {
  const result = run(['node', twin], ['--sweep', 'ph=0:14:1', '--plot', 'curve.png']);
  assert.equal(result.status, 2);
  assert.deepEqual(result.files, {});
  assert.match(result.stderr, /--plot/);
});
