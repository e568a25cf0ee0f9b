// The session's tick in WebAssembly at the heaviest load, measured as bench/SessionBenchmark.cpp
// measures it natively: ticks 200..299 of fresh starts with 200 enzymes, 200 lactose and 200
// thiolactose on a 960 x 540 scene. Prints the microseconds per tick as JSON.
//
//   node web/bench/tick.mjs [build-web/cmake]

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';

const folder = resolve(process.argv[2] ?? 'build-web/cmake');
const require = createRequire(import.meta.url);
const createVelmora = require(join(folder, 'velmora-web.js'));
const core = await createVelmora({ wasmBinary: readFileSync(join(folder, 'velmora-web.wasm')) });

const settings = { ph: 8, enzyme: 200, substrate: 200, other: 200, sceneWidth: 960, sceneHeight: 540 };
const session = new core.Session(settings, { texts: [], pluralFromTwo: true });
// Rounds of 100 timed ticks, in groups of ten: the mean of every tick, and the quickest group's,
// which other work on the machine disturbs the least.
const groups = Number(process.env.GROUPS ?? 8);
let spent = 0;
let quickest = Infinity;
for (let group = 0; group < groups; ++group) {
  let groupSpent = 0;
  for (let round = 0; round < 10; ++round) {
    session.recommencer();
    for (let t = 0; t < 200; ++t) {
      session.tick();
    }
    const begin = process.hrtime.bigint();
    for (let t = 0; t < 100; ++t) {
      session.tick();
    }
    groupSpent += Number(process.hrtime.bigint() - begin) / 1000;
  }
  spent += groupSpent;
  quickest = Math.min(quickest, groupSpent / 1000);
}
session.delete();
const ticks = groups * 1000;
console.log(JSON.stringify({ microsecondsPerTick: spent / ticks, quickestGroupMicrosecondsPerTick: quickest, ticks }));
