// The English of the page's own texts, those that the desktop edition does not show. The texts
// that it shows too take their English from its translation file.

export const pageEnglish: Record<string, string> = {
  'Velmora v2 — activité enzymatique': 'Velmora v2 — enzyme activity',
  Menus: 'Menus',
  Entrée: 'Enter',
  Espace: 'Space',
  Échap: 'Esc',
  'Maj+P': 'Shift+P',
  'Outils du graphique': 'Graph tools',
  'Le navigateur n’a pas permis de copier les données.': 'The browser did not allow the data to be copied.',
  '«\u00a0%1\u00a0» n’est pas un nombre entier.': '“%1” is not a whole number.',
  'Le modèle n’a pas pu démarrer dans ce navigateur. Rechargez la page\u00a0; si rien ne change, essayez un navigateur plus récent.':
    'The model could not start in this browser. Reload the page; if nothing changes, try a more recent browser.',
  'Ce navigateur ne peut pas faire fonctionner Velmora\u00a0: il lui faut WebAssembly et les «\u00a0Web Workers\u00a0», que tous les navigateurs récents connaissent (Firefox, Chrome, Edge, Safari).':
    'This browser cannot run Velmora: it needs WebAssembly and Web Workers, which every recent browser has (Firefox, Chrome, Edge, Safari).',
  'Mettez le navigateur à jour ou ouvrez cette page dans un autre navigateur.':
    'Update the browser or open this page in another browser.',
  'Dans l’adresse, le réglage «\u00a0%1\u00a0» vaut «\u00a0%2\u00a0», ce qui ne convient pas (il faut %3)\u00a0: la valeur par défaut est gardée.':
    'In the address, the setting “%1” is “%2”, which will not do (it takes %3): the default value is kept.',
  'Dans l’adresse, «\u00a0lock\u00a0» nomme «\u00a0%1\u00a0», qui n’est pas un réglage\u00a0: rien n’est verrouillé à sa place.':
    'In the address, “lock” names “%1”, which is not a setting: nothing is locked in its place.',
  'un nombre entier de %1 à %2': 'a whole number from %1 to %2',
  'Volume de la boîte': 'Volume of the box',
  'Volume de la boîte\u00a0: %1\u00a0%': 'Volume of the box: %1\u00a0%',
  'Les explications de l’édition pour ordinateur, installée sur les postes de la classe, viendront dans une prochaine version de cette page\u00a0:':
    'The explanations of the desktop edition, installed on the classroom’s computers, will come in a later version of this page:',
  'L’expérience continue pendant le calcul.': 'The experiment goes on during the calculation.',
};
