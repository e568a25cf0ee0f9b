// The page's dialogs: a notice with one button, the list of the explanations of the desktop
// edition ("En savoir plus"), and how to read the graph.

import { el } from './dom';
import { t, tr } from './i18n';

// A modal dialog that gives the focus back where it was when it closes.
export function openDialog(title: string, body: Node[], id: string): HTMLDialogElement {
  document.getElementById(id)?.remove();
  const returnTo = document.activeElement as HTMLElement | null;
  const close = el('button', { type: 'button', class: 'dialog-close', text: tr('ensavoirplus', 'Fermer') });
  const heading = el('h2', { id: `${id}-title`, text: title });
  const dialog = el('dialog', { id, class: 'dialog', 'aria-labelledby': heading.id }, heading, ...body, el('div', { class: 'dialog-buttons' }, close));
  close.addEventListener('click', () => dialog.close());
  dialog.addEventListener('close', () => {
    dialog.remove();
    returnTo?.focus();
  });
  document.body.append(dialog);
  dialog.showModal();
  close.focus();
  return dialog;
}

// (Its id is not the live region's, #notice, which stays for the screen reader.)
export function noticeDialog(text: string): void {
  openDialog('Velmora v2', [el('p', { text })], 'noticeDialog');
}

// The explanations of the desktop edition, by page as its menu shows them.
const topics: [number, string, string][] = [
  [1, 'La réaction d’hydrolyse du lactose', 'Le lactose et l’eau donnent du glucose et du galactose, grâce à la lactase.'],
  [1, 'Le mécanisme de la catalyse enzymatique', 'Site actif, complexe enzyme-substrat&nbsp;; effets de la température, du pH et d’un inhibiteur.'],
  [1, 'La molécule de lactose', 'Sa formule&nbsp;: un galactose et un glucose unis par une liaison β(1→4).'],
  [1, 'Le lactose en trois dimensions', 'Tournez la molécule avec la souris.'],
  [2, 'Utiliser Velmora', 'Les quatre parties de l’écran, le panneau de commande, le graphique.'],
  [2, 'L’eau iodée (lugol)', 'Le test de l’amidon&nbsp;: bleu-noir, la couleur pâlit à mesure que l’amidon disparaît.'],
  [2, 'La liqueur de Fehling', 'Le test des sucres réducteurs&nbsp;: un précipité rouge brique à chaud.'],
  [2, 'Quel test pour quelle réaction&nbsp;?', 'Eau iodée, liqueur de Fehling, bandelette à glucose&nbsp;: ce que chacun montre.'],
  [3, 'L’hydrolyse du maltose', 'La maltase coupe la liaison α(1→4) du maltose&nbsp;; la lactase ne la coupe pas.'],
  [3, 'L’amidon et les amylases', 'Amylose et amylopectine&nbsp;; amylases α et β, de la salive au pancréas.'],
  [3, 'La synthèse du lactose', 'Dans la glande mammaire&nbsp;: glucose + UDP-galactose, grâce à la lactose synthase.'],
  [4, 'Un inhibiteur&nbsp;: le thiolactose', 'Un soufre à la place d’un oxygène&nbsp;: la lactase le retient sans le couper.'],
  [4, 'L’hydrolyse acide, sans enzyme', 'Un acide fort et la chaleur coupent tous les sucres, mais lentement.'],
  [4, 'Le chaud, le froid et les témoins', 'Le froid ralentit, la chaleur dénature&nbsp;: une expérience et ses témoins.'],
  [4, 'Expériences guidées', 'Six expériences à faire dans Velmora, avec les réponses du modèle.'],
];
const pages = ['Réaction et enzyme', 'Logiciel et tests', 'Autres réactions', 'Expériences'];

function plain(text: string): string {
  return text.replace(/&nbsp;/g, '\u00a0');
}

export function lessonsDialog(): void {
  const lesson = (text: string) => plain(tr('ensavoirplus', text));
  const sections = pages.map((page, index) =>
    el(
      'section',
      { class: 'lesson-page' },
      el('h3', { text: lesson(page) }),
      el(
        'ul',
        {},
        ...topics
          .filter(([p]) => p === index + 1)
          .map(([, title, text]) => el('li', {}, el('strong', { text: lesson(title) }), el('span', { text: ` — ${lesson(text)}` }))),
      ),
    ),
  );
  openDialog(
    tr('panelbut', 'En savoir plus'),
    [
      el('p', { class: 'lessons-intro', text: t('Les explications de l’édition pour ordinateur, installée sur les postes de la classe, viendront dans une prochaine version de cette page\u00a0:') }),
      ...sections,
    ],
    'lessons',
  );
}

export function graphInformation(): void {
  const paragraphs = infographTexts().map((text) => {
    const paragraph = el('p');
    // The explanation's own markup (bold, colours), from the program's translation files.
    paragraph.innerHTML = plain(tr('infograph', text));
    return paragraph;
  });
  openDialog(tr('infograph', 'Lire le graphique'), paragraphs, 'graphInformation');
}

// The paragraphs of the graph's explanation, as the desktop edition's movie writes them.
function infographTexts(): string[] {
  return [
    'La <b>courbe blanche</b> montre la quantité de <b>substrat</b> qui reste, seconde après seconde.',
    'Elle descend parce que les enzymes transforment le substrat en produits. Plus la pente est forte, plus la réaction est <b>rapide</b>.',
    'Quand la courbe devient plate, la réaction s’arrête&nbsp;: plus de substrat, ou des enzymes qui ne travaillent plus.',
    'Case <b>pourcentage</b> cochée&nbsp;: 100&nbsp;% est la quantité de substrat du départ. Décochée&nbsp;: l’axe compte en <b>unités arbitraires</b> (UA), ici des molécules. Essayez-la, sous le graphique.',
    'Le temps est en secondes, par <b>pages de 100&nbsp;s</b>. Après 100&nbsp;s, le graphique s’efface et une nouvelle page commence à 101&nbsp;s&nbsp;: la courbe reprend là où elle en était, comme ici.',
    'Le temps écoulé s’affiche aussi <b>sous</b> le graphique.',
    'Un trait <font color=\'#d00000\'><b>rouge</b></font> marque la seconde où vous avez changé la <b>température</b>.',
    'Un trait <font color=\'#0000d0\'><b>bleu</b></font> marque la seconde où vous avez changé le <b>pH</b>.',
    'Comparez la pente avant et après le trait&nbsp;: la réaction a-t-elle accéléré, ralenti, ou s’est-elle arrêtée&nbsp;?',
  ];
}
