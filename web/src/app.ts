// The experiment screen of the window, in the page: the scene (top left), the graph with its
// header (top right), the legend and the comment (bottom left), the control panel (bottom right),
// under the menus. The core runs in a worker; the page only shows what it says and passes on what
// the student does.

import { ActivityDialog } from './activity';
import { type Address, type SettingName, productCaptions, rules } from './address';
import { copyText, download, el, isControl, signed } from './dom';
import { digitWidth, graphScale, paintGraph } from './graph';
import { coreWords, fill, t, tr } from './i18n';
import { legendEntries } from './legend';
import { Menu, type MenuItem } from './menus';
import { informationIcon } from './pictures';
import type { FromWorker, Graph, GraphSize, MenuAction, Opening, Question, Screen, ScreenSettings, ToWorker, Update } from './protocol';
import { SceneView } from './scene';
import { graphInformation, lessonsDialog, noticeDialog } from './texts';

interface Setting {
  name: SettingName;
  variable: string;
  command: string;
  caption: string;
  unit: string;
  input: HTMLInputElement;
  output: HTMLOutputElement;
  row: HTMLElement;
}

export interface PageStatistics {
  ticks: number; // ticks run by the worker
  firstPicture: number; // milliseconds after the page started to load
  frames: number;
  drawMilliseconds: number;
  longestDrawMilliseconds: number;
}

export class App {
  readonly statistics: PageStatistics = {
    ticks: 0,
    firstPicture: -1,
    frames: 0,
    drawMilliseconds: 0,
    longestDrawMilliseconds: 0,
  };
  private readonly worker: Worker;
  private screen: Screen | null = null;
  private graph: Graph | null = null;
  private graphSize: GraphSize = { width: 400, height: 300, digitWidth: 5, scale: 1 };
  private readonly scene: SceneView;
  private readonly settings: Setting[] = [];
  private readonly menus: Menu[] = [];
  private readonly graphMenu: Menu;
  private questions = new Map<number, (value: unknown) => void>();
  private nextQuestion = 1;
  private legendKey = '';
  private volume: number;
  private readonly addressLocks: Set<SettingName>;
  private volumes: number[] = [];
  private readonly volumeItems: MenuItem[] = [];
  private readonly banner = el('div', { id: 'banner', class: 'banner', role: 'alert', hidden: true });
  private readonly volumeLabel = el('span', { id: 'volume', class: 'graph-volume' });
  private readonly activity: ActivityDialog;

  // Parts of the page.
  private readonly sceneCanvas = el('canvas', { id: 'scene', class: 'scene', tabindex: '0', role: 'img' });
  private readonly graphCanvas = el('canvas', { id: 'graph', class: 'graph', tabindex: '0', role: 'img' });
  private readonly axisTop = el('span', { id: 'axisTop', class: 'axis-label top' });
  private readonly axisBottom = el('span', { id: 'axisBottom', class: 'axis-label bottom' });
  private readonly time = el('span', { id: 'time', text: '0 s' });
  private readonly percent = el('input', { id: 'percent', type: 'checkbox', checked: true });
  private readonly reactionName = el('h2', { id: 'reactionName', class: 'reaction-name', 'aria-live': 'polite' });
  private readonly previous = el('button', { type: 'button', id: 'reacprev', class: 'round', text: '◀' });
  private readonly next = el('button', { type: 'button', id: 'reacsuiv', class: 'round', text: '▶' });
  private readonly legendList = el('ul', { id: 'legend', class: 'legend-list' });
  private readonly smallButton = el('button', { type: 'button', id: 'petits', class: 'size-choice' });
  private readonly largeButton = el('button', { type: 'button', id: 'grands', class: 'size-choice' });
  private readonly comment = el('p', { id: 'comment', class: 'comment', 'aria-live': 'polite' });
  private readonly sceneSentence = el('p', { id: 'sceneSentence' });
  private readonly graphSentence = el('p', { id: 'graphSentence' });
  // What a screen reader is told without the focus moving: the running experiment at most every five
  // seconds and only when the words changed; a start, a pause, a stop or the last substrate at once.
  private readonly notice = el('div', { id: 'notice', class: 'offscreen', role: 'status', 'aria-live': 'polite' });
  private noticeTime = -Infinity;
  private noticeWords: string | null = null; // null: nothing yet, the first words are not told
  private substrateLeft = -1;

  constructor(
    private readonly root: HTMLElement,
    private readonly address: Address,
  ) {
    // The worker loads the core while the page is built; the page's first lines may have started it.
    const early = window as unknown as { velmoraWorker?: Worker };
    this.worker = early.velmoraWorker ?? new Worker('velmora-worker.js');
    early.velmoraWorker = undefined;
    this.worker.onmessage = (event: MessageEvent<FromWorker>) => this.receive(event.data);
    this.worker.onerror = () => this.fail();
    this.addressLocks = new Set(address.locked);
    this.volume = address.settings.volume;
    // The box's shape until the core gives its size (every volume's box is 4 by 3).
    this.sceneCanvas.style.aspectRatio = '4 / 3';
    this.scene = new SceneView(this.sceneCanvas);
    this.graphMenu = new Menu(t('Outils du graphique'), this.graphItems(), 'graphTools');
    this.activity = new ActivityDialog(() => this.ask('settings') as Promise<ScreenSettings>);
    this.build();
    this.showVolume();
    const settings: ScreenSettings = {
      reaction: address.settings.reaction,
      temperature: address.settings.temperature,
      ph: address.settings.ph,
      enzyme: address.settings.enzyme,
      substrate: address.settings.substrate,
      other: address.settings.inhibitor,
      smallSymbols: address.settings.symbols === 1,
      maxProducts: address.settings.products,
      volume: address.settings.volume,
    };
    this.measureGraph();
    this.send({ type: 'start', settings, words: coreWords(), graph: this.graphSize });
    document.addEventListener('keydown', (event) => this.onKey(event));
  }

  private send(message: ToWorker): void {
    this.worker.postMessage(message);
  }

  // --- Experiment files (.velmora), read and written by the core ---

  private openExperiment(): void {
    const chooser = el('input', { type: 'file', accept: '.velmora,application/json', hidden: true });
    chooser.addEventListener('change', async () => {
      const file = chooser.files?.[0];
      chooser.remove();
      if (!file) {
        return;
      }
      // The core refuses a file larger than it reads: the first 8 MB are enough for it to tell.
      const text = await file.slice(0, 8 * 1024 * 1024).text();
      const id = this.nextQuestion++;
      const opening = (await new Promise<unknown>((resolve) => {
        this.questions.set(id, resolve);
        this.send({ type: 'open', id, text, fileName: file.name });
      })) as Opening;
      if (opening.error) {
        noticeDialog(opening.error);
        return;
      }
      this.lockControls(opening.locked);
      const lines = [opening.title, opening.instructions, ...opening.warnings].filter((line) => line.length > 0);
      if (lines.length > 0) {
        noticeDialog(lines.join('\n'));
      }
    });
    document.body.append(chooser);
    chooser.click();
  }

  private async saveExperiment(): Promise<void> {
    const text = (await this.ask('experimentFile')) as string;
    download(tr('ClassWork', 'experience.velmora'), new Blob([text], { type: 'application/json' }));
  }

  // The controls that the address locks, and those that an opened file's scenario locks or hides.
  private lockControls(keys: string[]): void {
    this.address.locked = new Set([...this.addressLocks, ...(keys.filter((key) => (rules as object).hasOwnProperty(key)) as SettingName[])]);
    for (const setting of this.settings) {
      setting.input.disabled = this.address.locked.has(setting.name);
    }
    this.previous.disabled = this.next.disabled = this.address.locked.has('reaction');
    this.smallButton.disabled = this.largeButton.disabled = this.address.locked.has('symbols');
  }

  private ask(question: Question): Promise<unknown> {
    const id = this.nextQuestion++;
    return new Promise((resolve) => {
      this.questions.set(id, resolve);
      this.send({ type: 'ask', id, question });
    });
  }

  private menu(action: MenuAction, value?: number | boolean): void {
    this.send({ type: 'menu', action, value });
  }

  private panel(command: string, variable?: string, text?: string): void {
    this.send({ type: 'panel', command, variable, text });
  }

  private fail(): void {
    this.root.replaceChildren(
      el(
        'div',
        { class: 'requirements', role: 'alert' },
        el('h1', { text: 'Velmora v2' }),
        el('p', { text: t('Le modèle n’a pas pu démarrer dans ce navigateur. Rechargez la page\u00a0; si rien ne change, essayez un navigateur plus récent.') }),
      ),
    );
  }

  // --- Building the page ---

  private build(): void {
    const fileMenu = new Menu(
      tr('TFormmodel', '&Fichier'),
      [
        { label: tr('ClassWork', '&Ouvrir…'), action: () => this.openExperiment(), id: 'openExperiment' },
        { label: tr('ClassWork', '&Enregistrer l’expérience…'), action: () => void this.saveExperiment(), id: 'saveExperiment' },
      ],
      'fileMenu',
    );
    const modelMenu = new Menu(
      tr('TFormmodel', '&Modèle'),
      [
        { label: tr('TFormmodel', '&Démarrer / recommencer'), shortcut: t('Entrée'), action: () => this.menu('recommencer') },
        { label: tr('TFormmodel', '&Pause / reprise'), shortcut: t('Espace'), action: () => this.menu('pause') },
        { label: tr('TFormmodel', '&Arrêter'), shortcut: t('Échap'), action: () => this.menu('stop') },
        {
          label: t('Volume de la boîte'),
          separatorBefore: true,
          submenu: this.volumeItems,
        },
        {
          label: tr('TFormmodel', '&Réaction'),
          submenu: [1, 2, 3, 4].map((reaction) => ({
            label: tr('TFormmodel', ['', 'Hydrolyse du &lactose', '&Synthèse du lactose', 'Hydrolyse du &maltose', "Hydrolyse de l'&amylose"][reaction]),
            checked: () => this.screen?.reaction === reaction,
            enabled: () => !this.address.locked.has('reaction'),
            action: () => this.menu('reaction', reaction),
          })),
        },
      ],
      'modelMenu',
    );
    const symbolsFree = () => !this.address.locked.has('symbols');
    const viewMenu = new Menu(
      tr('TFormmodel', 'Affic&hage'),
      [
        { label: tr('TFormmodel', 'P&urger les produits'), shortcut: t('Maj+P'), action: () => this.menu('purge') },
        {
          label: tr('TFormmodel', "&Nombre maximal de produits à l'écran :"),
          separatorBefore: true,
          submenu: productCaptions.map((caption) => ({
            label: String(caption),
            checked: () => this.screen?.maxProducts === caption,
            enabled: () => !this.address.locked.has('products'),
            action: () => this.menu('maxProducts', caption),
          })),
        },
        {
          label: tr('TFormmodel', '&Mode de représentation'),
          submenu: [
            { label: tr('TFormmodel', '&Grands symboles'), checked: () => this.screen?.smallSymbols === false, enabled: symbolsFree, action: () => this.menu('symbols', false) },
            { label: tr('TFormmodel', '&Petits symboles'), checked: () => this.screen?.smallSymbols === true, enabled: symbolsFree, action: () => this.menu('symbols', true) },
          ],
        },
      ],
      'viewMenu',
    );
    const helpMenu = new Menu(
      tr('TFormmodel', '&En savoir plus sur'),
      [
        { label: tr('panelbut', 'En savoir plus'), shortcut: 'F1', action: () => lessonsDialog() },
        { label: tr('infograph', 'Lire le graphique'), action: () => graphInformation() },
      ],
      'helpMenu',
    );
    this.menus.push(fileMenu, modelMenu, viewMenu, helpMenu, this.graphMenu);
    const menubar = el(
      'nav',
      { class: 'menubar', 'aria-label': t('Menus') },
      ...[fileMenu, modelMenu, viewMenu, helpMenu].map((menu) => el('div', { class: 'menu' }, menu.button, menu.list)),
      el('span', { class: 'title', text: tr('TFormmodel', "Velmora v2 — modélisation de l'activité enzymatique") }),
    );

    const banner = this.banner;
    this.showFaults();

    // The scene.
    this.sceneCanvas.setAttribute('aria-label', tr('WindowAccessibility', 'Molécules'));
    this.sceneCanvas.setAttribute('aria-describedby', 'sceneSentence');
    const sceneQuarter = el('section', { class: 'quarter scene-quarter', 'aria-label': tr('WindowAccessibility', 'Molécules') }, this.sceneCanvas);

    // The graph and its header.
    const graphName = tr('WindowAccessibility', 'Graphique\u00a0: substrat en fonction du temps');
    this.graphCanvas.setAttribute('aria-label', graphName);
    this.graphCanvas.setAttribute('aria-describedby', 'graphSentence');
    this.graphCanvas.setAttribute('aria-haspopup', 'menu');
    this.graphCanvas.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.graphMenu.show(true, { x: event.clientX, y: event.clientY });
    });
    this.graphCanvas.addEventListener('keydown', (event) => {
      if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
        event.preventDefault();
        const box = this.graphCanvas.getBoundingClientRect();
        this.graphMenu.show(true, { x: box.left + box.width / 2, y: box.top + box.height / 2 });
      }
    });
    const information = el('button', {
      type: 'button',
      id: 'graphInformation',
      class: 'information',
      title: tr('TFormmodel', 'En savoir plus sur ce graphique'),
      'aria-label': tr('TFormmodel', 'En savoir plus sur ce graphique'),
    });
    const ratio = window.devicePixelRatio || 1;
    const icon = informationIcon(ratio);
    icon.style.width = '32px';
    icon.style.height = '32px';
    information.append(icon);
    information.addEventListener('click', () => graphInformation());
    this.percent.addEventListener('change', () => this.menu('percent', this.percent.checked));
    // In the window's Tab order: the information icon, the graph, the "pourcentage" box; the header
    // is drawn below the graph all the same.
    const graphQuarter = el(
      'section',
      { class: 'quarter graph-quarter', 'aria-label': graphName },
      information,
      el('div', { class: 'graph-area' }, this.axisTop, this.axisBottom, this.graphCanvas),
      el(
        'span',
        { class: 'graph-title' },
        el('span', { text: tr('TFormmodel', 'Graphique : [Substrat] en fonction du temps') }),
        this.volumeLabel,
      ),
      el('span', { class: 'graph-time' }, el('span', { text: tr('TFormmodel', 'Temps :') + ' ' }), this.time),
      el('label', { class: 'graph-percent' }, this.percent, ' ' + tr('TFormmodel', 'pourcentage')),
      el('div', { class: 'menu graph-tools' }, this.graphMenu.button, this.graphMenu.list),
    );
    this.percent.setAttribute('aria-description', tr('WindowAccessibility', 'Décochée\u00a0: en unités arbitraires (UA), des molécules'));
    new ResizeObserver(() => this.measureGraph(true)).observe(this.graphCanvas);

    // The legend and the comment.
    this.smallButton.textContent = tr('panellegende', 'Petits');
    this.smallButton.setAttribute('aria-label', tr('panellegende', 'Petits symboles'));
    this.largeButton.textContent = tr('panellegende', 'Grands');
    this.largeButton.setAttribute('aria-label', tr('panellegende', 'Grands symboles'));
    this.smallButton.disabled = this.largeButton.disabled = this.address.locked.has('symbols');
    this.smallButton.addEventListener('click', () => this.panel('petits'));
    this.largeButton.addEventListener('click', () => this.panel('grands'));
    const legendQuarter = el(
      'section',
      { class: 'quarter legend-quarter', 'aria-label': tr('WindowAccessibility', 'Légende et commentaire') },
      el('h2', { class: 'legend-title', text: tr('panellegende', 'Légende') }),
      this.legendList,
      el(
        'div',
        { class: 'symbols', role: 'group', 'aria-label': tr('TFormmodel', '&Mode de représentation') },
        el('span', { class: 'symbols-caption', text: tr('panellegende', 'Symboles\u00a0:') }),
        this.smallButton,
        this.largeButton,
      ),
      this.comment,
    );

    // The control panel.
    const initial = this.address.settings;
    const setting = (name: SettingName, variable: string, command: string, caption: string, unit: string, value: number) => {
      const input = el('input', {
        type: 'range',
        id: `setting-${name}`,
        min: rules[name].low,
        max: rules[name].high,
        step: 1,
        value,
        disabled: this.address.locked.has(name),
      });
      const output = el('output', { for: input.id, class: 'setting-value' });
      const row = el(
        'div',
        { class: `setting setting-${name}` },
        el('label', { for: input.id, class: 'setting-caption', text: caption }),
        output,
        input,
      );
      const entry: Setting = { name, variable, command, caption, unit, input, output, row };
      const show = () => {
        const shown = signed(input.value) + unit;
        output.textContent = shown;
        input.setAttribute('aria-valuetext', shown);
      };
      show();
      input.addEventListener('input', show);
      input.addEventListener('change', () => this.panel(command, variable, input.value));
      this.settings.push(entry);
      return row;
    };
    const molecules = tr('panelbut', '\u00a0molécules');
    this.previous.setAttribute('aria-label', tr('panelbut', 'Réaction précédente'));
    this.next.setAttribute('aria-label', tr('panelbut', 'Réaction suivante'));
    this.previous.addEventListener('click', () => this.panel('reacprev'));
    this.next.addEventListener('click', () => this.panel('reacsuiv'));
    if (this.address.locked.has('reaction')) {
      this.previous.disabled = true;
      this.next.disabled = true;
    }
    const start = el('button', { type: 'button', id: 'start', class: 'panel-button start', text: tr('panelbut', "Démarrer / recommencer l'expérience") });
    const pause = el('button', { type: 'button', id: 'pause', class: 'panel-button pause', text: tr('panelbut', 'Pause / reprise') });
    const more = el('button', { type: 'button', id: 'more', class: 'panel-button more', text: tr('panelbut', 'En savoir plus') });
    start.addEventListener('click', () => this.panel('recommencer'));
    pause.addEventListener('click', () => this.panel('pause'));
    more.addEventListener('click', () => this.panel('ensavoirplus'));
    const models = [
      ['Velmora', 'modelevelmora'],
      ['Amylase', 'modeleamylase'],
      ['Glucose', 'modeleglucose'],
      ['Galactose', 'modelegalactose'],
      ['Amylose', 'modeleamylose'],
      ['Lactose', 'modelelactose'],
      ['Maltose', 'modelemaltose'],
    ].map(([name, command]) => {
      const button = el('button', {
        type: 'button',
        class: 'model-button',
        text: name,
        'aria-description': tr('panelbut', 'Modèle moléculaire en 3D, dans la version complète'),
      });
      button.addEventListener('click', () => this.panel(command));
      return button;
    });
    const panelQuarter = el(
      'section',
      { class: 'quarter panel-quarter', 'aria-label': tr('WindowAccessibility', 'Panneau de commande') },
      el('div', { class: 'reaction' }, this.previous, this.reactionName, this.next),
      el(
        'div',
        { class: 'panel-body' },
        el(
          'div',
          { class: 'settings' },
          setting('temperature', 'valeurtemp', 'changetemp', tr('panelbut', 'Température'), '\u00a0°C', initial.temperature),
          setting('ph', 'valeurph', 'changeph', 'pH', '', initial.ph),
          setting('enzyme', 'valeurenz', 'changeenz', tr('panelbut', 'Enzyme'), molecules, initial.enzyme),
          setting('substrate', 'valeursub', 'changesub', tr('panelbut', 'Substrat'), molecules, initial.substrate),
          setting('inhibitor', 'valeurautre', 'changeautre', tr('panelbut', 'Thiolactose'), molecules, initial.inhibitor),
        ),
        el('div', { class: 'panel-buttons' }, start, pause, more),
      ),
      el(
        'div',
        { class: 'models' },
        el('p', { class: 'models-caption', text: tr('panelbut', 'Modèles moléculaires en 3D (version complète)') }),
        el('div', { class: 'models-row' }, ...models),
      ),
    );

    // What the scene and the graph show, read when a screen reader asks for their description.
    const sentences = el('div', { id: 'sentences', class: 'offscreen' }, this.sceneSentence, this.graphSentence);
    this.root.replaceChildren(
      menubar,
      banner,
      el('main', { class: 'screen' }, sceneQuarter, graphQuarter, legendQuarter, panelQuarter),
      sentences,
      this.notice,
    );
  }

  private graphItems(): MenuItem[] {
    const hasData = () => (this.screen?.recorded ?? 0) > 0 || (this.screen?.kept ?? 0) > 0;
    const curve = (label: string, name: string): MenuItem => ({
      label: tr('GraphMenu', label),
      id: `activity-${name}`,
      enabled: () => name !== 'inhibitor' || this.screen?.reaction === 1,
      action: () => this.activity.open(name),
    });
    return [
      { label: tr('GraphMenu', '&Copier les données'), id: 'copyData', enabled: hasData, action: () => void this.copyData() },
      { label: tr('GraphMenu', '&Enregistrer les données…'), id: 'saveData', enabled: hasData, action: () => void this.saveData() },
      { label: tr('GraphMenu', 'Enregistrer l’&image du graphique…'), id: 'saveImage', action: () => void this.saveImage() },
      {
        label: tr('GraphMenu', '&Garder cette courbe pour comparer'),
        id: 'keepCurve',
        separatorBefore: true,
        enabled: () => (this.screen?.recorded ?? 0) > 0,
        action: () => this.menu('keep'),
      },
      { label: tr('GraphMenu', 'E&ffacer les courbes gardées'), id: 'clearKept', enabled: () => (this.screen?.kept ?? 0) > 0, action: () => this.menu('clearKept') },
      {
        label: tr('GraphMenu', 'Courbe d’&activité'),
        separatorBefore: true,
        submenu: [
          curve('selon la &température', 'temperature'),
          curve('selon le &pH', 'ph'),
          curve('selon la quantité de &substrat', 'substrate'),
          curve('selon la quantité d’&inhibiteur', 'inhibitor'),
        ],
      },
    ];
  }

  // "Volume de la boîte": the core's volumes, known once it has started; a volume in the address
  // that is not among them is named in the banner.
  private receiveVolumes(volumes: number[]): void {
    this.volumes = volumes;
    this.volumeItems.splice(
      0,
      this.volumeItems.length,
      ...volumes.map((volume) => ({
        label: `${volume}\u00a0%`,
        checked: () => this.volume === volume,
        enabled: () => !this.address.locked.has('volume'),
        action: () => this.chooseVolume(volume),
      })),
    );
    if (!volumes.includes(this.volume)) {
      // The core kept its usual box, which the next update shows.
      this.address.faults.push({ name: 'volume', value: String(this.volume), kind: 'value' });
    }
    this.showFaults();
  }

  // Another box for the next start; the experiment is suspended.
  private chooseVolume(volume: number): void {
    this.volume = volume;
    this.showVolume();
    this.menu('volume', volume);
  }

  // The address's faulty parameters, each named; the volume's once the core has given its volumes.
  private showFaults(): void {
    const shown = this.address.faults.filter((fault) => fault.name !== 'volume' || this.volumes.length > 0);
    this.banner.replaceChildren(...shown.map((fault) => el('p', { text: faultText(fault.name, fault.value, fault.kind, this.volumes) })));
    this.banner.hidden = shown.length === 0;
  }

  // The volume beside the graph's title, when it is not the usual one.
  private showVolume(): void {
    this.volumeLabel.textContent = fill(t('Volume de la boîte\u00a0: %1\u00a0%'), this.volume);
    this.volumeLabel.hidden = this.volume === 100;
  }

  // --- The graph's tools ---

  private async copyData(): Promise<void> {
    const table = (await this.ask('table')) as string;
    const copied = await copyText(table);
    if (!copied) {
      noticeDialog(t('Le navigateur n’a pas permis de copier les données.'));
    }
  }

  private async saveData(): Promise<void> {
    const csv = (await this.ask('csv')) as string;
    download(tr('GraphMenu', 'donnees-experience.csv'), new Blob([csv], { type: 'text/csv' }));
  }

  // The graph with its labels, its time and a caption of the settings, drawn twice as fine.
  private async saveImage(): Promise<void> {
    const caption = (await this.ask('caption')) as { title: string; caption: string };
    if (!this.graph) {
      return;
    }
    const { width, height } = this.graphSize;
    const left = 60;
    const right = 20;
    const captionHeight = 58;
    const timeHeight = 26;
    const fineness = 2;
    const canvas = el('canvas');
    canvas.width = (left + width + right) * fineness;
    canvas.height = (captionHeight + height + timeHeight) * fineness;
    const context = canvas.getContext('2d') as CanvasRenderingContext2D;
    context.scale(fineness, fineness);
    context.fillStyle = 'rgb(192,192,192)';
    context.fillRect(0, 0, left + width + right, captionHeight + height + timeHeight);
    context.fillStyle = '#000000';
    context.textBaseline = 'top';
    context.font = 'bold 13px Arial, "Liberation Sans", sans-serif';
    context.fillText(caption.title, 10, 8);
    context.font = '11px Arial, "Liberation Sans", sans-serif';
    wrapText(context, caption.caption, 10, 28, left + width + right - 20, 14);
    context.fillText(this.axisTop.textContent ?? '', 20, captionHeight);
    context.fillText(this.axisBottom.textContent ?? '', 20, captionHeight + height - 20 - 11);
    context.fillText(`${tr('TFormmodel', 'Temps :')} ${this.time.textContent}`, left, captionHeight + height + 7);
    context.save();
    context.translate(left, captionHeight);
    paintGraph(context, this.graph, this.graphSize, 1);
    context.restore();
    canvas.toBlob((blob) => {
      if (blob) {
        download(tr('GraphMenu', 'graphique-experience.png'), blob);
      }
    }, 'image/png');
  }

  // --- What the worker says ---

  private receive(message: FromWorker): void {
    switch (message.type) {
      case 'ready':
        performance.mark('velmora-core-ready');
        this.receiveVolumes(message.volumes);
        this.activity.defaults = message.activity;
        return;
      case 'failure':
        this.fail();
        return;
      case 'answer': {
        const resolve = this.questions.get(message.id);
        this.questions.delete(message.id);
        resolve?.(message.value);
        return;
      }
      case 'update':
        this.apply(message);
        return;
      default:
        return;
    }
  }

  private apply(update: Update): void {
    const screen = update.screen;
    const before = this.screen;
    this.screen = screen;
    this.statistics.ticks = update.ticks;
    this.scene.setBox(screen.sceneWidth, screen.sceneHeight);
    if (screen.volume !== this.volume) {
      this.volume = screen.volume;
      this.showVolume();
    }
    this.scene.show(update.sprites, screen.ice, screen.sceneBlank);
    Object.assign(this.statistics, this.scene.statistics);
    if (!before || before.reactionName !== screen.reactionName) {
      this.reactionName.textContent = screen.reactionName;
    }
    const legendKey = `${screen.reaction}/${screen.spriteBase}`;
    if (legendKey !== this.legendKey) {
      this.legendKey = legendKey;
      this.legendList.replaceChildren(...legendEntries(screen.reaction, screen.spriteBase));
    }
    this.smallButton.setAttribute('aria-pressed', String(screen.smallSymbols));
    this.largeButton.setAttribute('aria-pressed', String(!screen.smallSymbols));
    const comment = screen.comment.replace(/\r/g, '\n');
    if (this.comment.textContent !== comment) {
      this.comment.textContent = comment;
      this.comment.hidden = comment.length === 0;
    }
    this.settings.find((s) => s.name === 'inhibitor')!.row.hidden = !screen.thiolactose;
    // The panel's values as the core holds them (an opened file sets them all).
    for (const setting of this.settings) {
      const text = screen.panel[setting.variable as keyof Screen['panel']];
      if (text !== undefined && /^[-+]?\d+$/.test(text) && setting.input.value !== String(Number(text)) && document.activeElement !== setting.input) {
        setting.input.value = String(Number(text));
        setting.input.dispatchEvent(new Event('input'));
      }
    }
    this.time.textContent = `${screen.elapsedSeconds} s`;
    this.axisTop.textContent = screen.axisTop;
    this.axisBottom.textContent = screen.axisBottom;
    this.percent.checked = screen.percent;
    if (update.graph) {
      this.graph = update.graph;
      this.drawGraph();
    }
    if (update.sceneSentence !== undefined && this.sceneSentence.textContent !== update.sceneSentence) {
      this.sceneSentence.textContent = update.sceneSentence;
    }
    if (update.graphSentence !== undefined && this.graphSentence.textContent !== update.graphSentence) {
      this.graphSentence.textContent = update.graphSentence;
    }
    const switched = before !== null && (before.sceneTimer !== screen.sceneTimer || before.tickTimer !== screen.tickTimer);
    const substrateGone = screen.substrateLeft === 0 && this.substrateLeft > 0;
    this.substrateLeft = screen.substrateLeft;
    if (update.sceneSentence !== undefined || switched) {
      this.offerNotice(switched || substrateGone);
    }
    if (update.fault) {
      // The panel's value that was no whole number, as the window reports it.
      const text = screen.panel[update.fault as keyof Screen['panel']] ?? update.fault;
      noticeDialog(fill(t('«\u00a0%1\u00a0» n’est pas un nombre entier.'), text));
    }
    if (update.notice === 'advancedFeatures') {
      noticeDialog(tr('TFormmodel', "Ces fonctionnalités avancées n'existent que dans la version commercialisée de Brendole"));
    } else if (update.notice === 'openMenu') {
      lessonsDialog();
    }
    if (update.keep === 'nothing') {
      noticeDialog(tr('GraphMenu', 'Aucune courbe à garder\u00a0: démarrez d’abord une expérience.'));
    } else if (update.keep === 'full') {
      noticeDialog(
        tr(
          'GraphMenu',
          'Cinq courbes sont déjà gardées, c’est le plus que le graphique puisse montrer. Pour en garder une autre, choisissez d’abord «\u00a0Effacer les courbes gardées\u00a0».',
        ),
      );
    }
    if (this.statistics.firstPicture < 0 && this.graph) {
      requestAnimationFrame(() => {
        if (this.statistics.firstPicture < 0) {
          this.statistics.firstPicture = performance.now();
          document.documentElement.dataset.ready = 'true';
        }
      });
    }
  }

  private measureGraph(tell = false): void {
    const box = this.graphCanvas.getBoundingClientRect();
    const width = Math.max(50, Math.round(box.width));
    const height = Math.max(60, Math.round(box.height));
    const scale = Math.round(graphScale() * 100) / 100;
    if (width === this.graphSize.width && height === this.graphSize.height && scale === this.graphSize.scale) {
      return;
    }
    // The texts around the graph grow with it.
    this.graphCanvas.closest<HTMLElement>('.graph-quarter')?.style.setProperty('--graph-scale', String(scale));
    this.graphSize = { width, height, digitWidth: digitWidth(scale), scale };
    if (tell) {
      this.send({ type: 'graphSize', graph: this.graphSize });
    }
  }

  private drawGraph(): void {
    if (!this.graph) {
      return;
    }
    const ratio = window.devicePixelRatio || 1;
    const { width, height } = this.graphSize;
    this.graphCanvas.width = Math.round(width * ratio);
    this.graphCanvas.height = Math.round(height * ratio);
    const context = this.graphCanvas.getContext('2d') as CanvasRenderingContext2D;
    paintGraph(context, this.graph, this.graphSize, ratio);
  }

  private offerNotice(now: boolean): void {
    const words = `${this.sceneSentence.textContent}. ${this.graphSentence.textContent}`;
    if (this.noticeWords === null) {
      this.noticeWords = words; // what the page shows when it opens: read on demand, not told
      return;
    }
    if (words === this.noticeWords || (!now && performance.now() - this.noticeTime < 5000)) {
      return;
    }
    this.noticeTime = performance.now();
    this.noticeWords = words;
    this.notice.textContent = words;
  }

  // --- The keys of the menus ---

  private onKey(event: KeyboardEvent): void {
    if (document.querySelector('dialog[open]') || this.menus.some((menu) => menu.isOpen)) {
      return;
    }
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (!plain) {
      return;
    }
    if (event.key === 'F1') {
      event.preventDefault();
      lessonsDialog();
    } else if (event.key === 'Escape') {
      event.preventDefault();
      this.menu('stop');
    } else if ((event.key === 'P' || event.key === 'p') && event.shiftKey && !(event.target instanceof HTMLTextAreaElement)) {
      event.preventDefault();
      this.menu('purge');
    } else if (event.key === 'Enter' && !event.shiftKey && !isControl(event.target)) {
      event.preventDefault();
      if (!event.repeat) {
        this.menu('recommencer');
      }
    } else if (event.key === ' ' && !event.shiftKey && !isControl(event.target)) {
      event.preventDefault();
      if (!event.repeat) {
        this.menu('pause');
      }
    }
  }
}

function wrapText(context: CanvasRenderingContext2D, text: string, x: number, y: number, width: number, lineHeight: number): void {
  let line = '';
  for (const word of text.split(' ')) {
    const tried = line ? `${line} ${word}` : word;
    if (context.measureText(tried).width > width && line) {
      context.fillText(line, x, y);
      y += lineHeight;
      line = word;
    } else {
      line = tried;
    }
  }
  context.fillText(line, x, y);
}

function faultText(name: string, value: string, kind: 'value' | 'lock', volumes: number[]): string {
  if (kind === 'lock') {
    return fill(t('Dans l’adresse, «\u00a0lock\u00a0» nomme «\u00a0%1\u00a0», qui n’est pas un réglage\u00a0: rien n’est verrouillé à sa place.'), value);
  }
  const rule = rules[name as SettingName];
  const allowed = name === 'volume' ? volumes : rule.allowed;
  const range = rule.words
    ? rule.words.join(', ')
    : allowed
      ? allowed.join(', ')
      : fill(t('un nombre entier de %1 à %2'), signed(rule.low), signed(rule.high));
  return fill(
    t('Dans l’adresse, le réglage «\u00a0%1\u00a0» vaut «\u00a0%2\u00a0», ce qui ne convient pas (il faut %3)\u00a0: la valeur par défaut est gardée.'),
    name,
    value,
    range,
  );
}
