// The page's language: French unless the address asks for English (?lang=en) or, without that,
// the browser's first language that the page speaks is English. The texts that the desktop edition
// shows too keep their English from its translation (translations/velmora2_en.ts, read when the
// page is built); the page's own texts have theirs in pageEnglish.ts.

import desktopEnglish from '../generated/english.json';
import { pageEnglish } from './pageEnglish';
import type { CoreWords } from './protocol';

export type Language = 'fr' | 'en';

const spoken: Language[] = ['fr', 'en'];

export function chooseLanguage(search: string, browserLanguages: readonly string[]): Language {
  const asked = new URLSearchParams(search).get('lang');
  if (asked) {
    const code = asked.toLowerCase().split('-')[0] as Language;
    if (spoken.includes(code)) {
      return code;
    }
  }
  for (const preference of browserLanguages) {
    const code = preference.toLowerCase().split('-')[0] as Language;
    if (spoken.includes(code)) {
      return code;
    }
  }
  return 'fr';
}

let language: Language = 'fr';
const english = new Map<string, string>();
for (const [context, source, translation] of desktopEnglish as [string, string, string][]) {
  english.set(`${context}\u0004${source}`, translation);
}

export function setLanguage(chosen: Language): void {
  language = chosen;
}

export function currentLanguage(): Language {
  return language;
}

// A menu text without its underlined letter: "&Copier" is "Copier".
function withoutMnemonic(text: string): string {
  return text.replace(/&(&?)/g, '$1');
}

// A text that the desktop edition shows too, under its context there.
export function tr(context: string, french: string): string {
  const text = language === 'en' ? (english.get(`${context}\u0004${french}`) ?? french) : french;
  return withoutMnemonic(text);
}

// A text of the page's own.
export function t(french: string): string {
  if (language !== 'en') {
    return french;
  }
  const translated = pageEnglish[french];
  return translated ?? french;
}

// "%1 sur %2" with its values.
export function fill(pattern: string, ...values: (string | number)[]): string {
  return pattern.replace(/%(\d)/g, (mark, n: string) => {
    const value = values[Number(n) - 1];
    return value === undefined ? mark : String(value);
  });
}

// The core's texts and their translations, for the worker.
export function coreWords(): CoreWords {
  if (language !== 'en') {
    return { texts: [], pluralFromTwo: true };
  }
  return { texts: desktopEnglish as [string, string, string][], pluralFromTwo: false };
}
