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
  volume: number; // "Volume de la boîte", per cent
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
  scale: number; // the texts' growth on a screen larger than 1024 x 768 (1 there and below)
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
  volume: number;
  sceneWidth: number; // the box of that volume
  sceneHeight: number;
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
  keptMarks: number[][]; // each kept run's temperature and pH changes: x, x...
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

// The activity window's choices: the measure, the share of the initial rate (per cent), the
// experiments per point; the core gives their defaults.
export interface ActivityChoices {
  measure: 'initialRate' | 'halfTime';
  share: number;
  replicates: number;
}

export interface ActivityDefaults {
  shares: Record<string, number>; // each curve's own share
  largestShare: number;
  replicates: number;
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
  share: number;
  cutShortNote: string;
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

export type Question = 'csv' | 'table' | 'caption' | 'settings' | 'experimentFile';

// What opening an experiment file gave: why it was refused (empty when opened), the keys it skipped,
// the controls its scenario locks or hides (the files' names), its title and instructions.
export interface Opening {
  error: string;
  warnings: string[];
  locked: string[];
  title: string;
  instructions: string;
}

export type ToWorker =
  | { type: 'start'; settings: ScreenSettings; words: CoreWords; graph: GraphSize }
  | { type: 'panel'; variable?: string; text?: string; command: string }
  | { type: 'menu'; action: MenuAction; value?: number | boolean }
  | { type: 'graphSize'; graph: GraphSize }
  | { type: 'ask'; id: number; question: Question }
  | { type: 'open'; id: number; text: string; fileName: string }
  | { type: 'activity'; id: number; curve: string; settings: ScreenSettings; words: CoreWords; choices: ActivityChoices };

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
  | { type: 'ready'; volumes: number[]; activity: ActivityDefaults }
  | Update
  | { type: 'answer'; id: number; value: unknown }
  | { type: 'progress'; id: number; done: number; total: number }
  | { type: 'activity'; id: number; result: ActivityResult | null }
  | { type: 'failure'; message: string };
