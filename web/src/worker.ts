// The simulation worker: the session of the core, compiled to WebAssembly, and the window's two
// 50 ms timers. A second copy of this worker computes activity curves, one experiment after
// another.

import type { ActivityChoices, ActivityDefaults, CoreWords, Opening, FromWorker, GraphSize, Question, ScreenSettings, Screen, ToWorker, Update } from './protocol';

interface CoreSession {
  setPanelValue(variable: string, text: string): void;
  panelCommand(name: string): { fault: string; advancedFeaturesNotice: boolean; openMenu: boolean; quit: boolean };
  recommencer(): string;
  pause(): void;
  stop(): void;
  purge(): void;
  selectReaction(reaction: number): void;
  chooseSymbols(small: boolean): void;
  chooseMaxProducts(caption: number): boolean;
  setPercent(percent: boolean): void;
  chooseVolume(percent: number): boolean;
  tick(): void;
  screen(): Screen;
  sprites(): Int32Array;
  graph(width: number, height: number, digitWidth: number, scale: number): unknown;
  sceneSentence(): string;
  graphSentence(): string;
  timeCourseCsv(): string;
  timeCourseTable(): string;
  keepCurve(): string;
  clearKeptCurves(): void;
  currentSettings(): ScreenSettings;
  pictureCaption(): { title: string; caption: string };
  openExperiment(text: string, fileName: string): Opening;
  experimentFile(): string;
}

interface Core {
  Session: new (settings: ScreenSettings, words: CoreWords) => CoreSession;
  runActivity(
    curve: string,
    settings: ScreenSettings,
    words: CoreWords,
    progress: (done: number, total: number) => void,
    choices: ActivityChoices,
  ): unknown;
  boxVolumes(): number[];
  activityDefaults(): ActivityDefaults;
}

declare function importScripts(...urls: string[]): void;
declare function createVelmora(options: object): Promise<Core>;

const scope = self as unknown as {
  postMessage(message: FromWorker, transfer?: Transferable[]): void;
  onmessage: ((event: MessageEvent<ToWorker>) => void) | null;
};

const tickInterval = 50; // milliseconds, as the window's timers

let core: Core | undefined;
let session: CoreSession | undefined;
let graphSize: GraphSize = { width: 400, height: 300, digitWidth: 4, scale: 1 };
let ticks = 0;
let shownSeconds = -1;
let pending: ToWorker[] = [];

// Whether WebAssembly has its vector instructions here: a function that uses one validates.
function hasVectors(): boolean {
  const module = new Uint8Array([
    0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0, 10, 10, 1, 8, 0, 65, 0, 253, 15, 253, 98, 11,
  ]);
  try {
    return WebAssembly.validate(module);
  } catch {
    return false;
  }
}

// The core built with vector instructions where the browser has them, the plain one otherwise.
function loadCore(): Promise<Core> {
  importScripts('velmora-web.js');
  const vectors = hasVectors();
  return createVelmora({
    locateFile: (file: string) =>
      new URL(vectors ? file.replace('velmora-web.wasm', 'velmora-web-simd.wasm') : file, self.location.href).href,
  });
}

function post(message: FromWorker, transfer: Transferable[] = []): void {
  scope.postMessage(message, transfer);
}

// What the page shows after an operation: the screen, the scene while its timer runs, and the
// graph and the sentences when asked or when a second has passed.
function publish(extra: Partial<Update> = {}, graphToo = true): void {
  if (!session) {
    return;
  }
  const screen = session.screen();
  const update: Update = { type: 'update', screen, ticks, ...extra };
  const transfer: Transferable[] = [];
  if (screen.sceneTimer) {
    update.sprites = session.sprites().slice();
    transfer.push(update.sprites.buffer);
  }
  if (graphToo || screen.elapsedSeconds !== shownSeconds) {
    shownSeconds = screen.elapsedSeconds;
    update.graph = session.graph(graphSize.width, graphSize.height, graphSize.digitWidth, graphSize.scale) as Update['graph'];
    update.sceneSentence = session.sceneSentence();
    update.graphSentence = session.graphSentence();
  }
  post(update, transfer);
}

function tickTimers(): void {
  if (!session) {
    return;
  }
  const screen = session.screen();
  if (screen.tickTimer) {
    session.tick();
    ++ticks;
  }
  if (screen.sceneTimer || screen.tickTimer) {
    publish({}, false);
  }
}

function answer(question: Question): unknown {
  if (!session) {
    return null;
  }
  switch (question) {
    case 'csv':
      return session.timeCourseCsv();
    case 'table':
      return session.timeCourseTable();
    case 'caption':
      return session.pictureCaption();
    case 'settings':
      return session.currentSettings();
    case 'experimentFile':
      return session.experimentFile();
  }
  return null;
}

function handle(message: ToWorker): void {
  if (message.type === 'activity') {
    const { id } = message;
    const result = core!.runActivity(message.curve, message.settings, message.words, (done, total) => {
      // About a hundred reports in all, so that the page is not flooded.
      if (done === total || done % Math.max(1, Math.floor(total / 100)) === 0) {
        post({ type: 'progress', id, done, total });
      }
    }, message.choices);
    post({ type: 'activity', id, result: result as never });
    return;
  }
  if (message.type === 'start') {
    graphSize = message.graph;
    session = new core!.Session(message.settings, message.words);
    setInterval(tickTimers, tickInterval);
    post({ type: 'ready', volumes: core!.boxVolumes(), activity: core!.activityDefaults() });
    publish();
    return;
  }
  if (!session) {
    return;
  }
  switch (message.type) {
    case 'panel': {
      if (message.variable !== undefined) {
        session.setPanelValue(message.variable, message.text ?? '');
      }
      const outcome = session.panelCommand(message.command);
      const notice = outcome.advancedFeaturesNotice
        ? 'advancedFeatures'
        : outcome.openMenu
          ? 'openMenu'
          : outcome.quit
            ? 'quit'
            : undefined;
      publish({ fault: outcome.fault || undefined, notice });
      return;
    }
    case 'menu': {
      let keep: string | undefined;
      let fault: string | undefined;
      switch (message.action) {
        case 'recommencer':
          fault = session.recommencer() || undefined;
          break;
        case 'pause':
          session.pause();
          break;
        case 'stop':
          session.stop();
          break;
        case 'purge':
          session.purge();
          break;
        case 'reaction':
          session.selectReaction(Number(message.value));
          break;
        case 'symbols':
          session.chooseSymbols(Boolean(message.value));
          break;
        case 'maxProducts':
          session.chooseMaxProducts(Number(message.value));
          break;
        case 'percent':
          session.setPercent(Boolean(message.value));
          break;
        case 'volume':
          session.chooseVolume(Number(message.value));
          break;
        case 'keep':
          keep = session.keepCurve();
          break;
        case 'clearKept':
          session.clearKeptCurves();
          break;
      }
      publish({ keep, fault });
      return;
    }
    case 'graphSize':
      graphSize = message.graph;
      publish();
      return;
    case 'ask':
      post({ type: 'answer', id: message.id, value: answer(message.question) });
      return;
    case 'open':
      post({ type: 'answer', id: message.id, value: session.openExperiment(message.text, message.fileName) });
      publish();
      return;
  }
}

scope.onmessage = (event) => {
  if (!core) {
    pending.push(event.data);
    return;
  }
  handle(event.data);
};

loadCore().then(
  (loaded) => {
    core = loaded;
    const waiting = pending;
    pending = [];
    waiting.forEach(handle);
  },
  (error: unknown) => post({ type: 'failure', message: String(error) }),
);
