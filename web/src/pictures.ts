// The pictures of the scene, drawn by the page itself as the window draws them: the sprite list
// (items 1..16 and 40..43 small, 20 x 20; items 20..36 and 60..63 large, 40 x 40), the ice
// texture and the graph's information icon. Each picture is drawn at the screen's own pixel scale,
// so that it stays crisp at any device pixel ratio; white is transparent.

type Rgb = [number, number, number];

const blue: Rgb = [0, 0, 255];
const red: Rgb = [255, 0, 0];
const black: Rgb = [0, 0, 0];
const pink: Rgb = [245, 159, 188];
const udpGreen: Rgb = [0, 127, 0];

function css([r, g, b]: Rgb): string {
  return `rgb(${r},${g},${b})`;
}

function darker([r, g, b]: Rgb): Rgb {
  return [Math.trunc((r * 3) / 5), Math.trunc((g * 3) / 5), Math.trunc((b * 3) / 5)];
}

// One picture being drawn: cell pixels scaled to screen pixels, every edge on a whole pixel.
class Cell {
  readonly canvas: HTMLCanvasElement | OffscreenCanvas;
  readonly context: CanvasRenderingContext2D | OffscreenCanvasRenderingContext2D;

  constructor(readonly side: number, readonly scale: number) {
    const size = Math.max(1, Math.round(side * scale));
    this.canvas = typeof OffscreenCanvas !== 'undefined' ? new OffscreenCanvas(size, size) : makeCanvas(size, size);
    this.context = this.canvas.getContext('2d') as CanvasRenderingContext2D;
  }

  private edge(cellPixel: number): number {
    return Math.round(cellPixel * this.scale);
  }

  // Columns x0..x1 on rows y0..y1, both ends included.
  fill(colour: Rgb, x0: number, x1: number, y0: number, y1: number): void {
    const left = this.edge(Math.max(x0, 0));
    const top = this.edge(Math.max(y0, 0));
    const right = this.edge(Math.min(x1, this.side - 1) + 1);
    const bottom = this.edge(Math.min(y1, this.side - 1) + 1);
    if (right > left && bottom > top) {
      this.context.fillStyle = css(colour);
      this.context.fillRect(left, top, right - left, bottom - top);
    }
  }

  // Cut out: white is transparent.
  clear(x0: number, x1: number, y0: number, y1: number): void {
    const left = this.edge(x0);
    const top = this.edge(y0);
    this.context.clearRect(left, top, this.edge(x1 + 1) - left, this.edge(y1 + 1) - top);
  }

  // A shape given in cell pixels, filled (and outlined 1 pixel wide when `outline` is given).
  path(build: (context: CanvasRenderingContext2D) => void, colour: Rgb, outline?: Rgb): void {
    const context = this.context as CanvasRenderingContext2D;
    context.save();
    context.scale(this.scale, this.scale);
    context.beginPath();
    build(context);
    context.fillStyle = css(colour);
    context.fill();
    if (outline) {
      context.strokeStyle = css(outline);
      context.lineWidth = 1;
      context.stroke();
    }
    context.restore();
  }
}

function makeCanvas(width: number, height: number): HTMLCanvasElement {
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  return canvas;
}

function roundedRect(context: CanvasRenderingContext2D, x: number, y: number, w: number, h: number, r: number): void {
  context.moveTo(x + r, y);
  context.arcTo(x + w, y, x + w, y + h, r);
  context.arcTo(x + w, y + h, x, y + h, r);
  context.arcTo(x, y + h, x, y, r);
  context.arcTo(x, y, x + w, y, r);
  context.closePath();
}

// --- Small set, 20 x 20 ---

function smallEnzyme(c: Cell, colour: Rgb): void {
  c.fill(colour, 0, 13, 0, 3);
  c.fill(colour, 0, 13, 16, 19);
  c.fill(colour, 0, 7, 4, 8);
  c.fill(colour, 0, 7, 11, 15);
  c.fill(colour, 0, 12, 9, 10);
}

function smallUpperUnit(c: Cell, colour: Rgb): void {
  c.fill(colour, 14, 19, 0, 3);
  c.fill(colour, 8, 19, 4, 8);
}

function smallLowerUnit(c: Cell, colour: Rgb, right = 19): void {
  c.fill(colour, 8, right, 11, 15);
  c.fill(colour, 14, right, 16, 19);
}

function smallTwoUnits(c: Cell, colour: Rgb): void {
  smallUpperUnit(c, colour);
  c.fill(colour, 13, 19, 9, 10);
  smallLowerUnit(c, colour);
}

function amylaseEnzyme(c: Cell, colour: Rgb): void {
  c.fill(colour, 0, 13, 0, 1);
  c.fill(colour, 0, 13, 7, 11);
  c.fill(colour, 0, 13, 17, 19);
  c.fill(colour, 0, 7, 2, 6);
  c.fill(colour, 0, 7, 12, 16);
}

function amyloseUnit(c: Cell, colour: Rgb): void {
  c.fill(colour, 14, 19, 0, 1);
  c.fill(colour, 8, 19, 2, 6);
  c.fill(colour, 14, 19, 7, 11);
  c.fill(colour, 8, 19, 12, 16);
  c.fill(colour, 14, 19, 17, 19);
}

function smallMinus(c: Cell, row: number): void {
  c.fill(blue, 14, 17, row, row);
}

function smallPlus(c: Cell, top: number): void {
  c.fill(blue, 14, 18, top + 2, top + 2);
  c.fill(blue, 16, 16, top, top + 4);
}

// --- Large set, 40 x 40 ---

// A sugar unit is a hexagon standing on a point, 13 pixels wide on columns 20..32, 20 rows tall.
function hexagonInset(r: number): number {
  const fromEnd = Math.min(r, 19 - r);
  return Math.round((6 * Math.max(0, 5 - fromEnd)) / 5);
}

function largeEnzyme(c: Cell, colour: Rgb): void {
  c.path((context) => roundedRect(context, 0.5, 0.5, 19, 39, 7), colour, darker(colour));
  for (let y = 15; y <= 24; ++y) {
    const right = 19 + hexagonInset(y < 20 ? y : y - 20);
    c.fill(colour, 19, right, y, y);
    c.fill(darker(colour), right, right, y, y);
  }
}

function hexagon(c: Cell, colour: Rgb, top: number): void {
  for (let r = 0; r <= 19; ++r) {
    const left = 20 + hexagonInset(r);
    const right = 32 - hexagonInset(r);
    const y = top + r;
    c.fill(colour, left, right, y, y);
    if (r === 0 || r === 19) {
      c.fill(darker(colour), left, right, y, y);
    } else {
      c.fill(darker(colour), left, left, y, y);
      c.fill(darker(colour), right, right, y, y);
    }
  }
}

function largeTwoUnits(c: Cell, colour: Rgb): void {
  hexagon(c, colour, 0);
  hexagon(c, colour, 20);
}

function largeMinus(c: Cell, top: number): void {
  c.fill(blue, 27, 36, top, top + 3);
}

function largePlus(c: Cell, top: number): void {
  c.fill(blue, 27, 36, top + 3, top + 6);
  c.fill(blue, 30, 33, top, top + 9);
}

function frame(c: Cell, colour: Rgb, inset: number, thickness: number): void {
  const last = c.side - 1 - inset;
  c.fill(colour, inset, last, inset, inset + thickness - 1);
  c.fill(colour, inset, last, last - thickness + 1, last);
  c.fill(colour, inset, inset + thickness - 1, inset, last);
  c.fill(colour, last - thickness + 1, last, inset, last);
}

// The letters U, D and P cut out of the by-product's bar.
function udpBar(c: Cell): void {
  c.fill(udpGreen, 32, 39, 20, 39);
  const letters = [
    ['#..#', '#..#', '#..#', '#..#', '####'],
    ['###.', '#..#', '#..#', '#..#', '###.'],
    ['###.', '#..#', '###.', '#...', '#...'],
  ];
  letters.forEach((rows, letter) => {
    const top = 22 + 6 * letter;
    rows.forEach((row, r) => {
      [...row].forEach((pixel, column) => {
        if (pixel === '#') {
          c.clear(34 + column, 34 + column, top + r, top + r);
        }
      });
    });
  });
}

function cloud(c: Cell, colour: Rgb): void {
  const blobs = [
    [2, 4, 20, 18],
    [12, 1, 20, 16],
    [20, 8, 18, 18],
    [4, 16, 22, 20],
    [16, 20, 22, 18],
    [8, 26, 16, 12],
  ];
  c.path(
    (context) => {
      for (const [x, y, w, h] of blobs) {
        context.moveTo(x + w, y + h / 2);
        context.ellipse(x + w / 2, y + h / 2, w / 2, h / 2, 0, 0, 2 * Math.PI);
      }
    },
    colour,
  );
}

const smallEnzymeColours: Rgb[] = [
  [98, 157, 98],
  [129, 129, 129],
  [157, 98, 157],
  [0, 127, 255],
];
const largeEnzymeColours: Rgb[] = [
  [97, 156, 97],
  [128, 128, 128],
  [156, 97, 156],
  [0, 127, 255],
];

export type Picture = HTMLCanvasElement | OffscreenCanvas;

const drawnSets = new Map<number, Map<number, Picture>>();

// The sprite list at a pixel scale: item number -> picture; items without a picture are absent.
// Each scale is drawn once.
export function spritePictures(scale: number): Map<number, Picture> {
  const drawn = drawnSets.get(scale);
  if (drawn) {
    return drawn;
  }
  const pictures = new Map<number, Picture>();
  drawnSets.set(scale, pictures);
  const make = (item: number, side: number, paint: (c: Cell) => void) => {
    const c = new Cell(side, scale);
    paint(c);
    pictures.set(item, c.canvas);
  };
  make(1, 20, (c) => smallMinus(c, 6));
  make(2, 20, (c) => (smallMinus(c, 6), smallMinus(c, 13)));
  make(3, 20, (c) => smallPlus(c, 4));
  make(4, 20, (c) => (smallPlus(c, 4), smallPlus(c, 11)));
  make(5, 20, (c) => c.path((context) => roundedRect(context, 0, 1, 16, 18, 6), [180, 180, 180]));
  make(6, 20, (c) => smallUpperUnit(c, [244, 183, 87]));
  make(7, 20, (c) => smallLowerUnit(c, pink));
  make(8, 20, (c) => smallTwoUnits(c, blue));
  make(9, 20, (c) => c.fill(red, 12, 19, 9, 10));
  make(10, 20, (c) => c.fill([54, 128, 44], 18, 19, 11, 19));
  make(11, 20, (c) => (smallLowerUnit(c, pink, 17), c.fill(udpGreen, 18, 19, 11, 19)));
  make(12, 20, (c) => smallTwoUnits(c, [255, 100, 0]));
  make(13, 20, (c) => amyloseUnit(c, [63, 63, 0]));
  make(14, 20, (c) => frame(c, black, 0, 1));
  make(15, 20, (c) => frame(c, [255, 100, 0], 1, 1));
  make(16, 20, (c) => (smallTwoUnits(c, blue), c.fill([255, 200, 0], 16, 19, 13, 19)));
  for (let e = 0; e < 3; ++e) {
    make(40 + e, 20, (c) => smallEnzyme(c, smallEnzymeColours[e]));
  }
  make(43, 20, (c) => amylaseEnzyme(c, smallEnzymeColours[3]));

  make(20, 40, (c) => largeEnzyme(c, largeEnzymeColours[1]));
  make(21, 40, (c) => largeMinus(c, 8));
  make(22, 40, (c) => (largeMinus(c, 8), largeMinus(c, 28)));
  make(23, 40, (c) => largePlus(c, 5));
  make(24, 40, (c) => (largePlus(c, 5), largePlus(c, 25)));
  make(25, 40, (c) => cloud(c, [170, 191, 170]));
  make(26, 40, (c) => hexagon(c, [255, 191, 85], 0));
  make(27, 40, (c) => hexagon(c, [255, 159, 170], 20));
  make(28, 40, (c) => largeTwoUnits(c, blue));
  make(29, 40, (c) => {
    c.fill(red, 30, 31, 19, 20);
    c.fill([170, 159, 170], 32, 33, 17, 18);
    c.fill([170, 159, 170], 32, 33, 21, 22);
  });
  make(30, 40, (c) => udpBar(c));
  make(31, 40, (c) => (hexagon(c, [255, 159, 170], 20), udpBar(c)));
  make(32, 40, (c) => largeTwoUnits(c, [255, 100, 0]));
  make(33, 40, (c) => largeTwoUnits(c, [63, 63, 0]));
  make(34, 40, (c) => frame(c, black, 0, 2));
  make(35, 40, (c) => frame(c, [255, 100, 0], 2, 2));
  make(36, 40, (c) => (largeTwoUnits(c, blue), c.fill([255, 191, 0], 27, 32, 30, 36)));
  for (let e = 0; e < 4; ++e) {
    make(60 + e, 40, (c) => largeEnzyme(c, largeEnzymeColours[e]));
  }
  return pictures;
}

// --- The ice texture: value noise that wraps around the 256 x 256 tile, and six frost crystals ---

class WrappingNoise {
  private readonly values: number[] = [];

  constructor(private readonly cells: number, seed: number) {
    let state = seed >>> 0;
    for (let i = 0; i < cells * cells; ++i) {
      state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
      this.values.push((state >>> 8) / (1 << 24));
    }
  }

  at(x: number, y: number): number {
    const gx = x * this.cells;
    const gy = y * this.cells;
    const x0 = Math.floor(gx);
    const y0 = Math.floor(gy);
    const smooth = (t: number) => t * t * (3 - 2 * t);
    const mix = (a: number, b: number, t: number) => a + (b - a) * t;
    const fx = smooth(gx - x0);
    const fy = smooth(gy - y0);
    const top = mix(this.value(x0, y0), this.value(x0 + 1, y0), fx);
    const bottom = mix(this.value(x0, y0 + 1), this.value(x0 + 1, y0 + 1), fx);
    return mix(top, bottom, fy);
  }

  private value(x: number, y: number): number {
    const wx = ((x % this.cells) + this.cells) % this.cells;
    const wy = ((y % this.cells) + this.cells) % this.cells;
    return this.values[wy * this.cells + wx];
  }
}

export const iceSide = 256;

export function icePicture(): HTMLCanvasElement {
  const canvas = makeCanvas(iceSide, iceSide);
  const context = canvas.getContext('2d') as CanvasRenderingContext2D;
  const image = context.createImageData(iceSide, iceSide);
  const coarse = new WrappingNoise(8, 11);
  const fine = new WrappingNoise(32, 23);
  for (let y = 0; y < iceSide; ++y) {
    for (let x = 0; x < iceSide; ++x) {
      const frost = 0.65 * coarse.at(x / iceSide, y / iceSide) + 0.35 * fine.at(x / iceSide, y / iceSide);
      const i = 4 * (y * iceSide + x);
      image.data[i] = Math.trunc(205 + 42 * frost);
      image.data[i + 1] = Math.trunc(225 + 27 * frost);
      image.data[i + 2] = Math.min(Math.trunc(242 + 12 * frost), 254);
      image.data[i + 3] = 255;
    }
  }
  context.putImageData(image, 0, 0);
  context.strokeStyle = 'rgba(255,255,255,0.59)';
  context.lineWidth = 1.2;
  context.lineCap = 'round';
  const crystals = [
    [40, 50, 22, 0.2],
    [170, 30, 16, 0.9],
    [120, 140, 26, 0.5],
    [220, 200, 20, 1.3],
    [60, 210, 14, 0.7],
    [240, 100, 12, 0.1],
  ];
  for (const [cx, cy, size, angle] of crystals) {
    for (let dx = -1; dx <= 1; ++dx) {
      for (let dy = -1; dy <= 1; ++dy) {
        const ox = cx + dx * iceSide;
        const oy = cy + dy * iceSide;
        context.beginPath();
        for (let arm = 0; arm < 6; ++arm) {
          const a = angle + (arm * Math.PI) / 3;
          const tip = [ox + Math.cos(a) * size, oy + Math.sin(a) * size];
          context.moveTo(ox, oy);
          context.lineTo(tip[0], tip[1]);
          for (const along of [0.45, 0.7]) {
            const base = [ox + (tip[0] - ox) * along, oy + (tip[1] - oy) * along];
            for (const side of [-1, 1]) {
              const b = a + (side * Math.PI) / 4;
              context.moveTo(base[0], base[1]);
              context.lineTo(base[0] + Math.cos(b) * size * 0.25, base[1] + Math.sin(b) * size * 0.25);
            }
          }
        }
        context.stroke();
      }
    }
  }
  return canvas;
}

// The graph's information icon, 32 x 32 at a pixel scale: a green disc with a blue question mark
// over a small chart.
export function informationIcon(scale: number): HTMLCanvasElement {
  const canvas = makeCanvas(Math.round(32 * scale), Math.round(32 * scale));
  const context = canvas.getContext('2d') as CanvasRenderingContext2D;
  context.scale(scale, scale);
  context.strokeStyle = 'rgb(60,60,60)';
  context.lineWidth = 1.5;
  context.beginPath();
  context.moveTo(2, 30);
  context.lineTo(30, 30);
  context.moveTo(2, 30);
  context.lineTo(2, 14);
  context.stroke();
  context.fillStyle = 'rgb(230,120,40)';
  context.fillRect(4, 22, 5, 8);
  context.fillRect(11, 17, 5, 13);
  context.fillRect(18, 25, 5, 5);
  context.beginPath();
  context.arc(20, 12, 10.5, 0, 2 * Math.PI);
  context.fillStyle = 'rgb(40,170,60)';
  context.fill();
  context.strokeStyle = 'rgb(20,110,40)';
  context.lineWidth = 1;
  context.stroke();
  context.fillStyle = 'rgb(20,40,200)';
  context.font = 'bold 17px Arial, "Liberation Sans", Helvetica, sans-serif';
  context.textAlign = 'center';
  context.textBaseline = 'middle';
  context.fillText('?', 20, 13);
  return canvas;
}
