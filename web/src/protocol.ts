// The messages between the page and its workers. The simulation worker holds the session (the
// core compiled to WebAssembly) and runs its timers; a second worker computes activity curves, so
// that the experiment goes on meanwhile.

export interface ScreenSettings {
  reaction: number;
  temperature: number;
  ph: number;
  enzyme: number;
  substrate: number;
  other: number;
  smallSymbols: boolean;
  maxProducts: number;
  sceneWidth: number;
  sceneHeight: number;
}

// The core's French texts and their translations: [context, French, translation].
export interface CoreWords {
  texts: [string, string, string][];
  pluralFromTwo: boolean;
}

export interface GraphSize {
  width: number;
  height: number;
  digitWidth: number;
}

export interface PanelTexts {
  valeurtemp: string;
  valeurph: string;
  valeurenz: string;
  valeursub: string;
  valeurautre: string;
}

export interface Screen {
  sceneTimer: boolean;
  tickTimer: boolean;
  sceneBlank: boolean;
  ice: boolean;
  comment: string;
  reaction: number;
  reactionName: string;
  thiolactose: boolean;
  smallSymbols: boolean;
  enzymeSprite: number;
  spriteBase: number;
  elapsedSeconds: number;
  axisTop: string;
  axisBottom: string;
  percent: boolean;
  maxProducts: number;
  running: boolean;
  substrateLeft: number; // while an experiment runs, else -1
  panel: PanelTexts;
  recorded: number;
  kept: number;
}

export interface GraphLabel {
  x: number;
  y: number;
  text: string;
}

export interface Graph {
  plotHeight: number;
  curve: number[]; // x, y, x, y...
  marks: number[]; // x, colour (0x00BBGGRR), ...
  labels: GraphLabel[];
  kept: number[][];
  legend: string[];
}

export interface ChartSeries {
  label: string;
  points: [number, number, number][];
  line: [number, number][];
  notes: string[];
}

export interface Chart {
  title: string;
  subtitle: string;
  xTitle: string;
  yTitle: string;
  series: ChartSeries[];
  footnotes: string[];
  xRange?: [number, number];
  xIncludesZero: boolean;
  yIncludesZero: boolean;
  mark?: { x: number; label: string };
  decimalMark: string;
  inset?: Chart;
}

export interface ActivityResult {
  chart: Chart;
  lineweaverBurk?: Chart;
  fitLines: string[];
  tableCsv: string;
  tableText: string;
  command: string;
  runs: number;
  replicates: number;
}

export type MenuAction =
  | 'recommencer'
  | 'pause'
  | 'stop'
  | 'purge'
  | 'reaction'
  | 'symbols'
  | 'maxProducts'
  | 'percent'
  | 'volume'
  | 'keep'
  | 'clearKept';

export type Question = 'csv' | 'table' | 'caption' | 'settings';

export type ToWorker =
  | { type: 'start'; settings: ScreenSettings; words: CoreWords; graph: GraphSize }
  | { type: 'panel'; variable?: string; text?: string; command: string }
  | { type: 'menu'; action: MenuAction; value?: number | boolean }
  | { type: 'graphSize'; graph: GraphSize }
  | { type: 'ask'; id: number; question: Question }
  | { type: 'activity'; id: number; curve: string; settings: ScreenSettings; words: CoreWords };

export interface Update {
  type: 'update';
  screen: Screen;
  sprites?: Int32Array;
  graph?: Graph;
  sceneSentence?: string;
  graphSentence?: string;
  fault?: string; // a panel value that was no integer
  notice?: 'advancedFeatures' | 'openMenu' | 'quit';
  keep?: string; // "kept", "replaced", "nothing", "full"
  ticks: number; // ticks run since the worker started
}

export type FromWorker =
  | { type: 'ready' }
  | Update
  | { type: 'answer'; id: number; value: unknown }
  | { type: 'progress'; id: number; done: number; total: number }
  | { type: 'activity'; id: number; result: ActivityResult | null }
  | { type: 'failure'; message: string };
