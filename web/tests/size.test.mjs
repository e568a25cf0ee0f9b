// The whole site, compressed as a web server sends it (gzip), stays within 1 MB: the WebAssembly,
// the scripts and the style (the page uses the computer's own fonts).

import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { gzipSync } from 'node:zlib';
import { site } from './browser.mjs';

test('the site is within 1 MB compressed', () => {
  let total = 0;
  const sizes = [];
  for (const name of readdirSync(site)) {
    const compressed = gzipSync(readFileSync(join(site, name)), { level: 9 }).length;
    sizes.push(`${name} ${compressed}`);
    total += compressed;
  }
  console.log(`site: ${total} bytes compressed (${sizes.join(', ')})`);
  assert.ok(total <= 1_000_000, `${total} bytes`);
  for (const needed of ['index.html', 'velmora.js', 'velmora-worker.js', 'velmora-web.js', 'velmora-web.wasm', 'velmora-web-simd.wasm']) {
    assert.ok(readdirSync(site).includes(needed), needed);
  }
});
