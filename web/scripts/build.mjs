// Builds the static site of the browser edition into <out>/site, and puts velmora2-batch for node
// at <out>/velmora2-batch.js. The WebAssembly must be built first, in <out>/cmake (tools/build-web).
//
//   node web/scripts/build.mjs build-web

import { build } from 'esbuild';
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { readEnglish } from './translations.mjs';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const root = resolve(web, '..');
const out = resolve(root, process.argv[2] ?? 'build-web');
const site = join(out, 'site');
const wasm = join(out, 'cmake');

// The English of the texts the desktop edition shows too.
mkdirSync(join(web, 'generated'), { recursive: true });
writeFileSync(
  join(web, 'generated', 'english.json'),
  JSON.stringify(readEnglish(join(root, 'translations', 'velmora2_en.ts'))),
);

rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });

const common = {
  bundle: true,
  minify: true,
  target: ['es2020'],
  legalComments: 'none',
  logLevel: 'warning',
};
await build({ ...common, entryPoints: [join(web, 'src', 'main.ts')], outfile: join(site, 'velmora.js'), format: 'iife' });
await build({
  ...common,
  entryPoints: [join(web, 'src', 'worker.ts')],
  outfile: join(site, 'velmora-worker.js'),
  format: 'iife',
});
await build({ ...common, entryPoints: [join(web, 'src', 'style.css')], outfile: join(site, 'velmora.css') });

copyFileSync(join(web, 'src', 'index.html'), join(site, 'index.html'));
copyFileSync(join(wasm, 'velmora-web.js'), join(site, 'velmora-web.js'));
copyFileSync(join(wasm, 'velmora-web.wasm'), join(site, 'velmora-web.wasm'));
copyFileSync(join(out, 'cmake-simd', 'velmora-web.wasm'), join(site, 'velmora-web-simd.wasm'));
copyFileSync(join(root, 'assets', 'icons', 'velmora2-32.png'), join(site, 'favicon.png'));
copyFileSync(join(wasm, 'velmora2-batch.js'), join(out, 'velmora2-batch.js'));

const version = readFileSync(join(web, 'package.json'), 'utf8').match(/"version": "([^"]+)"/)[1];
writeFileSync(join(site, 'VERSION'), `Velmora v2 ${version}\n`);
