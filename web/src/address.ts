// Settings in the page's address, so that a teacher can put one link on the class platform:
// ?reaction=1&temperature=37&ph=8&enzyme=20&substrate=100&inhibitor=0&volume=100, and
// lock=temperature,ph to lock controls. A faulty value is reported by name and leaves the default.

export type SettingName = 'reaction' | 'temperature' | 'ph' | 'enzyme' | 'substrate' | 'inhibitor' | 'volume';

export interface AddressSettings {
  reaction: number;
  temperature: number;
  ph: number;
  enzyme: number;
  substrate: number;
  inhibitor: number;
  volume: number;
}

export const defaultSettings: AddressSettings = {
  reaction: 1,
  temperature: 37,
  ph: 7,
  enzyme: 20,
  substrate: 100,
  inhibitor: 0,
  volume: 100,
};

// The volumes of the box in per cent, and the box's size for each: 512 x 384 at 100 %, each side
// scaled by the square root of the volume and rounded to the nearest pixel.
export const volumes = [25, 50, 100, 200, 400];

export function boxSize(volume: number): { width: number; height: number } {
  const side = Math.sqrt(volume / 100);
  return { width: Math.round(512 * side), height: Math.round(384 * side) };
}

interface Rule {
  low: number;
  high: number;
  allowed?: number[];
}

export const rules: Record<SettingName, Rule> = {
  reaction: { low: 1, high: 4 },
  temperature: { low: -10, high: 90 },
  ph: { low: 0, high: 14 },
  enzyme: { low: 0, high: 200 },
  substrate: { low: 0, high: 200 },
  inhibitor: { low: 0, high: 200 },
  volume: { low: 25, high: 400, allowed: volumes },
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

export function readAddress(search: string): Address {
  const parameters = new URLSearchParams(search);
  const settings = { ...defaultSettings };
  const faults: Fault[] = [];
  for (const name of settingNames) {
    const value = parameters.get(name);
    if (value === null) {
      continue;
    }
    const rule = rules[name];
    const number = /^[-+]?\d{1,4}$/.test(value.trim()) ? Number(value.trim()) : NaN;
    const inRange = Number.isInteger(number) && number >= rule.low && number <= rule.high;
    if (!inRange || (rule.allowed && !rule.allowed.includes(number))) {
      faults.push({ name, value, kind: 'value' });
      continue;
    }
    settings[name] = number;
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
