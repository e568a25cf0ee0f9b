// Settings in the page's address, under the names of the experiment files (.velmora), so that a
// teacher can put one link on the class platform:
// ?reaction=1&temperature=37&ph=8&enzyme=20&substrate=100&inhibitor=0&volume=100&symbols=small&products=50,
// and lock=temperature,ph to lock controls. A faulty value is reported by name and leaves the
// default. The volumes of the box are the core's: a volume is checked against them once the core
// has started (see App).

export type SettingName =
  | 'reaction'
  | 'temperature'
  | 'ph'
  | 'enzyme'
  | 'substrate'
  | 'inhibitor'
  | 'volume'
  | 'symbols'
  | 'products';

export interface AddressSettings {
  reaction: number;
  temperature: number;
  ph: number;
  enzyme: number;
  substrate: number;
  inhibitor: number;
  volume: number;
  symbols: number; // 1: small, 0: large
  products: number;
}

export const defaultSettings: AddressSettings = {
  reaction: 1,
  temperature: 37,
  ph: 7,
  enzyme: 20,
  substrate: 100,
  inhibitor: 0,
  volume: 100,
  symbols: 0,
  products: 100,
};

export const productCaptions = [10, 20, 50, 100, 200, 400];

interface Rule {
  low: number;
  high: number;
  allowed?: number[]; // the volumes: given by the core
  words?: string[]; // a word for each value from `low`
}

export const rules: Record<SettingName, Rule> = {
  reaction: { low: 1, high: 4 },
  temperature: { low: -10, high: 90 },
  ph: { low: 0, high: 14 },
  enzyme: { low: 0, high: 200 },
  substrate: { low: 0, high: 200 },
  inhibitor: { low: 0, high: 200 },
  volume: { low: 1, high: 9999 },
  symbols: { low: 0, high: 1, words: ['large', 'small'] },
  products: { low: 10, high: 400, allowed: productCaptions },
};

export const settingNames = Object.keys(rules) as SettingName[];

export interface Fault {
  name: string; // the parameter as written
  value: string;
  kind: 'value' | 'lock';
}

export interface Address {
  settings: AddressSettings;
  locked: Set<SettingName>;
  faults: Fault[];
}

function readValue(rule: Rule, text: string): number | null {
  const value = text.trim();
  if (rule.words) {
    const index = rule.words.indexOf(value);
    return index < 0 ? null : rule.low + index;
  }
  const number = /^[-+]?\d{1,4}$/.test(value) ? Number(value) : NaN;
  const inRange = Number.isInteger(number) && number >= rule.low && number <= rule.high;
  return inRange && (!rule.allowed || rule.allowed.includes(number)) ? number : null;
}

export function readAddress(search: string): Address {
  const parameters = new URLSearchParams(search);
  const settings = { ...defaultSettings };
  const faults: Fault[] = [];
  for (const name of settingNames) {
    const text = parameters.get(name);
    if (text === null) {
      continue;
    }
    const value = readValue(rules[name], text);
    if (value === null) {
      faults.push({ name, value: text, kind: 'value' });
      continue;
    }
    settings[name] = value;
  }
  const locked = new Set<SettingName>();
  const lock = parameters.get('lock');
  if (lock !== null) {
    for (const entry of lock.split(',').map((part) => part.trim()).filter((part) => part.length > 0)) {
      if ((settingNames as string[]).includes(entry)) {
        locked.add(entry as SettingName);
      } else {
        faults.push({ name: 'lock', value: entry, kind: 'lock' });
      }
    }
  }
  return { settings, locked, faults };
}
