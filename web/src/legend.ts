// The legend of the chosen reaction, drawn with the very pictures of the scene, the choice of the
// symbol size, and the comment.

import { el } from './dom';
import { tr } from './i18n';
import { spritePictures } from './pictures';

interface Entry {
  items: number[];
  caption: string;
  detail: string;
  shiftDown?: number; // the amylase's unit below its site, in half symbols
}

function entries(reaction: number): Entry[] {
  const l = (text: string) => tr('panellegende', text);
  switch (reaction) {
    case 1:
      return [
        { items: [41], caption: l('Lactase'), detail: l('l’enzyme (β-galactosidase)') },
        { items: [8], caption: l('Lactose'), detail: l('le substrat') },
        { items: [6], caption: l('Glucose'), detail: l('un produit') },
        { items: [7], caption: l('Galactose'), detail: l('l’autre produit') },
        { items: [41, 8, 9], caption: l('Complexe enzyme-substrat'), detail: '' },
        { items: [16], caption: l('Thiolactose'), detail: l('inhibiteur\u00a0: occupe le site actif') },
      ];
    case 2:
      return [
        { items: [42], caption: l('Lactose synthase'), detail: l('l’enzyme') },
        { items: [6], caption: l('Glucose'), detail: l('un substrat') },
        { items: [11], caption: l('UDP-galactose'), detail: l('l’autre substrat') },
        { items: [8], caption: l('Lactose'), detail: l('le produit') },
        { items: [10], caption: l('UDP'), detail: l('ce qui reste de l’UDP-galactose') },
      ];
    case 3:
      return [
        { items: [40], caption: l('Maltase'), detail: l('l’enzyme') },
        { items: [12], caption: l('Maltose'), detail: l('le substrat') },
        { items: [6], caption: l('Glucose'), detail: l('le produit (deux par maltose)') },
        { items: [40, 12, 9], caption: l('Complexe enzyme-substrat'), detail: '' },
      ];
    default:
      return [
        { items: [43], caption: l('Amylase'), detail: l('l’enzyme') },
        { items: [13], caption: l('Amylose'), detail: l('chaînes d’unités, coupées par le bas') },
        { items: [12], caption: l('Maltose'), detail: l('le produit') },
        { items: [43, 13, 9], caption: l('Complexe enzyme-substrat'), detail: '', shiftDown: 1 },
      ];
  }
}

const enzymeOf = [0, 41, 42, 40, 43];

// A picture of the legend: sprites drawn over one another at the same point, as the scene draws an
// enzyme with what it holds; small symbols shown twice their size.
function symbol(items: number[], spriteBase: number, shiftDown: number): HTMLCanvasElement {
  const ratio = window.devicePixelRatio || 1;
  const side = 40;
  const scale = (side / (spriteBase === 0 ? 20 : 40)) * ratio;
  const pictures = spritePictures(scale);
  const canvas = el('canvas', { class: 'legend-symbol', 'aria-hidden': 'true' });
  canvas.width = Math.round(side * ratio);
  canvas.height = Math.round((side + shiftDown * 20) * ratio);
  canvas.style.width = `${side}px`;
  canvas.style.height = `${side + shiftDown * 20}px`;
  const context = canvas.getContext('2d') as CanvasRenderingContext2D;
  items.forEach((item, index) => {
    const picture = pictures.get(spriteBase + item);
    if (picture) {
      context.drawImage(picture, 0, index === 1 ? Math.round(shiftDown * 20 * ratio) : 0);
    }
  });
  return canvas;
}

export function legendEntries(reaction: number, spriteBase: number): HTMLElement[] {
  const enzyme = enzymeOf[reaction] ?? 41;
  const all: Entry[] = [
    ...entries(reaction),
    {
      items: [5],
      caption: tr('panellegende', 'Enzyme dénaturée'),
      detail: tr('panellegende', 'chaleur ou pH extrême\u00a0: elle ne fonctionne plus'),
    },
    {
      items: [enzyme, 3],
      caption: tr('panellegende', 'Enzyme chargée'),
      detail: tr('panellegende', '+ en milieu trop acide, − trop basique\u00a0: elle ne fixe rien'),
    },
  ];
  return all.map((entry) =>
    el(
      'li',
      { class: 'legend-entry' },
      symbol(entry.items, spriteBase, entry.shiftDown ?? 0),
      el(
        'span',
        { class: 'legend-words' },
        el('strong', { text: entry.caption }),
        entry.detail ? el('span', { class: 'legend-detail', text: entry.detail }) : null,
      ),
    ),
  );
}
