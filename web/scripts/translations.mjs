// Reads the English of the desktop edition (translations/velmora2_en.ts, Qt's XML) for the contexts
// that the page shows, so that the same French text has the same English in both editions.

import { readFileSync } from 'node:fs';

// The contexts whose texts the page or the core shows.
export const pageContexts = [
  'ActivityChart',
  'ActivityTable',
  'ActivityWindow',
  'Catalogue',
  'ClassWork',
  'Comment',
  'ExperimentFile',
  'GraphExport',
  'GraphMenu',
  'SceneDescription',
  'SettingsText',
  'TFormmodel',
  'TimeCourse',
  'WindowAccessibility',
  'ensavoirplus',
  'infograph',
  'panelbut',
  'panellegende',
];

function unescape(text) {
  return text
    .replace(/<byte value="x([0-9a-fA-F]+)"\/>/g, (_, hex) => String.fromCodePoint(parseInt(hex, 16)))
    .replace(/&#x([0-9a-fA-F]+);/g, (_, hex) => String.fromCodePoint(parseInt(hex, 16)))
    .replace(/&#([0-9]+);/g, (_, decimal) => String.fromCodePoint(parseInt(decimal, 10)))
    .replace(/&lt;/g, '<')
    .replace(/&gt;/g, '>')
    .replace(/&quot;/g, '"')
    .replace(/&apos;/g, "'")
    .replace(/&amp;/g, '&');
}

// [[context, French, English], ...] of the finished messages of those contexts.
export function readEnglish(path) {
  const xml = readFileSync(path, 'utf8');
  const entries = [];
  for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const context = unescape(body.match(/<name>([\s\S]*?)<\/name>/)[1]);
    if (!pageContexts.includes(context)) {
      continue;
    }
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = message.match(/<source>([\s\S]*?)<\/source>/);
      const translation = message.match(/<translation(?: type="([a-z]+)")?>([\s\S]*?)<\/translation>/);
      if (!source || !translation || translation[1] === 'unfinished' || translation[1] === 'vanished') {
        continue;
      }
      entries.push([context, unescape(source[1]), unescape(translation[2])]);
    }
  }
  return entries;
}
