// The page's start: the language, what the browser must have, the settings in the address, then
// the experiment screen.

import { readAddress } from './address';
import { App } from './app';
import { el } from './dom';
import { chooseLanguage, setLanguage, t } from './i18n';

const language = chooseLanguage(location.search, navigator.languages ?? [navigator.language]);
setLanguage(language);
document.documentElement.lang = language;
document.title = t('Velmora v2 — activité enzymatique');

const root = document.getElementById('velmora') as HTMLElement;

function hasWhatTheModelNeeds(): boolean {
  return typeof WebAssembly === 'object' && typeof WebAssembly.instantiate === 'function' && typeof Worker === 'function';
}

if (!hasWhatTheModelNeeds()) {
  root.replaceChildren(
    el(
      'div',
      { class: 'requirements', role: 'alert' },
      el('h1', { text: 'Velmora v2' }),
      el('p', {
        text: t(
          'Ce navigateur ne peut pas faire fonctionner Velmora\u00a0: il lui faut WebAssembly et les «\u00a0Web Workers\u00a0», que tous les navigateurs récents connaissent (Firefox, Chrome, Edge, Safari).',
        ),
      }),
      el('p', { text: t('Mettez le navigateur à jour ou ouvrez cette page dans un autre navigateur.') }),
    ),
  );
} else {
  const app = new App(root, readAddress(location.search));
  // Read by the page's tests: ticks run, frames drawn and the time of the first picture.
  (window as unknown as { velmoraStatistics: unknown }).velmoraStatistics = app.statistics;
}
