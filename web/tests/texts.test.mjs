// Every text of the page has its English, and the page's own French texts follow French
// typography: a text that the desktop edition shows too must be in its translation file under the
// same context; the page's own ones in pageEnglish.ts.

import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { readEnglish } from '../scripts/translations.mjs';
import { root } from './browser.mjs';

const sources = join(root, 'web', 'src');
const code = readdirSync(sources)
  .filter((name) => name.endsWith('.ts') && name !== 'pageEnglish.ts')
  .map((name) => readFileSync(join(sources, name), 'utf8'))
  .join('\n');

const literal = String.raw`'(?:[^'\\]|\\.)*'|"(?:[^"\\]|\\.)*"`;
const value = (text) => new Function(`return ${text}`)();

function calls(pattern) {
  return [...code.matchAll(new RegExp(pattern, 'g'))];
}

test('the texts that the desktop edition shows too have its English', () => {
  const english = new Set(readEnglish(join(root, 'translations', 'velmora2_en.ts')).map(([c, s]) => `${c}\u0004${s}`));
  // tr(context, text), and the helpers that pass their context: l() in the legend, w() in the
  // activity curves.
  const keys = [
    ...calls(String.raw`\btr\(\s*'(\w+)',\s*(${literal})\s*\)`).map(([, context, text]) => `${context}\u0004${value(text)}`),
    ...calls(String.raw`\bl\((${literal})\)`).map(([, text]) => `panellegende\u0004${value(text)}`),
    ...calls(String.raw`\bw\(\s*(${literal})\s*\)`).map(([, text]) => `ActivityWindow\u0004${value(text)}`),
  ];
  assert.ok(keys.length > 90, `${keys.length} texts`);
  const missing = keys.filter((key) => !english.has(key));
  assert.deepEqual(missing, []);
});

test('the page’s own texts have their English, and their French follows French typography', () => {
  const table = value(`(${readFileSync(join(sources, 'pageEnglish.ts'), 'utf8').match(/=\s*(\{[\s\S]*\});/)[1]})`);
  const found = calls(String.raw`\bt\(\s*(${literal})\s*,?\s*\)`).map(([, text]) => value(text));
  assert.ok(found.length > 10);
  for (const french of found) {
    assert.ok(table[french] !== undefined, `no English for ${JSON.stringify(french)}`);
    assert.doesNotMatch(french, /'/, `typographic apostrophe in ${french}`);
    assert.doesNotMatch(french, / [:;!?»]|« /, `no-break space in ${french}`);
  }
});
