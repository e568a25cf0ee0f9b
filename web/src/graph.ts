// The time-course graph drawn from the core's numbers, as the window draws it: the black plot with
// a tick every 10 %, the kept runs behind the white curve (each in its colour and dash, with its
// temperature and pH changes), the red and blue marks over it, the time labels on the silver strip
// below, and the kept runs' legend in the corner.

import type { Graph, GraphSize } from './protocol';

// 7 points as designed, larger on a larger screen.
export function graphFont(scale = 1): string {
  return `${(9.33 * scale).toFixed(2)}px Arial, "Liberation Sans", Helvetica, sans-serif`;
}

// How much the graph's texts and lines grow: with the screen, from their designed sizes on a
// 1024 x 768 one, where nothing changes.
export function graphScale(): number {
  return Math.max(1, Math.min(window.innerWidth / 1024, window.innerHeight / 768));
}
const silver = 'rgb(192,192,192)';
const labelGreen = 'rgb(0,128,0)';
const tickGrey = 'rgb(110,110,110)';
// Okabe and Ito's colours that stand out on black, and each kept run its dash, so that the runs are
// told apart without their colours too: solid, dashes, dots, dash-dot, dash-dot-dot.
export const keptColours = ['rgb(230,159,0)', 'rgb(86,180,233)', 'rgb(0,158,115)', 'rgb(240,228,66)', 'rgb(204,121,167)'];
const keptDashes = [[], [4, 2], [1, 2], [4, 2, 1, 2], [4, 2, 1, 2, 1, 2]];

function keptPen(context: CanvasRenderingContext2D, k: number, width: number): void {
  context.strokeStyle = keptColours[k % keptColours.length];
  context.lineWidth = width;
  context.lineCap = 'butt';
  context.setLineDash(keptDashes[k % keptDashes.length].map((length) => length * width));
}

// A mark's colour stored as 0x00BBGGRR.
function markColour(stored: number): string {
  return `rgb(${stored & 0xff},${(stored >> 8) & 0xff},${(stored >> 16) & 0xff})`;
}

export function digitWidth(scale = 1): number {
  const context = document.createElement('canvas').getContext('2d') as CanvasRenderingContext2D;
  context.font = graphFont(scale);
  return Math.max(1, Math.round(context.measureText('0').width));
}

// Draws the graph of `size` CSS pixels into `context` at its current place, `scale` device pixels
// each.
export function paintGraph(context: CanvasRenderingContext2D, graph: Graph, size: GraphSize, scale: number): void {
  const { width, height } = size;
  const plotHeight = graph.plotHeight;
  const grown = Math.max(1, size.scale);
  const pixels = (designed: number) => Math.round(designed * grown);
  const keptWidth = Math.max(2, pixels(2));
  context.save();
  context.scale(scale, scale);
  context.fillStyle = '#000000';
  context.fillRect(0, 0, width, plotHeight + 1);
  context.fillStyle = silver;
  context.fillRect(0, plotHeight + 1, width, height - plotHeight - 1);
  // A tick every 10 % at both edges, longer at 50 %.
  context.fillStyle = tickGrey;
  for (let percent = 10; percent < 100; percent += 10) {
    const y = Math.floor((percent * plotHeight) / 100);
    const length = pixels(percent === 50 ? 8 : 5);
    context.fillRect(0, y, length, 1);
    context.fillRect(width - length, y, length, 1);
  }
  const polyline = (points: number[]) => {
    if (points.length < 4) {
      return;
    }
    context.beginPath();
    context.moveTo(points[0] + 0.5, points[1] + 0.5);
    for (let i = 2; i + 1 < points.length; i += 2) {
      context.lineTo(points[i] + 0.5, points[i + 1] + 0.5);
    }
    context.stroke();
  };
  graph.kept.forEach((points, k) => {
    keptPen(context, k, keptWidth);
    polyline(points);
    // Its temperature and pH changes: a thin dotted line in its colour.
    context.lineWidth = Math.max(1, pixels(1));
    context.setLineDash([1, 2]);
    for (const x of graph.keptMarks[k] ?? []) {
      context.beginPath();
      context.moveTo(x + 0.5, 0);
      context.lineTo(x + 0.5, plotHeight + 0.5);
      context.stroke();
    }
  });
  context.setLineDash([]);
  context.lineWidth = 1;
  context.strokeStyle = '#ffffff';
  polyline(graph.curve);
  for (let i = 0; i + 1 < graph.marks.length; i += 2) {
    context.strokeStyle = markColour(graph.marks[i + 1]);
    context.beginPath();
    context.moveTo(graph.marks[i] + 0.5, 0);
    context.lineTo(graph.marks[i] + 0.5, plotHeight + 0.5);
    context.stroke();
  }
  context.font = graphFont(grown);
  context.textBaseline = 'top';
  for (const label of graph.labels) {
    const textWidth = context.measureText(label.text).width;
    context.fillStyle = silver;
    context.fillRect(label.x, label.y, textWidth, pixels(11));
    context.fillStyle = labelGreen;
    context.fillText(label.text, label.x, label.y);
  }
  if (graph.legend.length > 0) {
    const sample = pixels(14);
    const lineHeight = pixels(12);
    const gap = pixels(4);
    const textWidth = Math.max(...graph.legend.map((line) => context.measureText(line).width));
    const left = width - gap - textWidth - gap - sample;
    graph.legend.forEach((line, k) => {
      const top = pixels(3) + k * lineHeight;
      const middle = top + lineHeight / 2;
      keptPen(context, k, keptWidth);
      context.beginPath();
      context.moveTo(left, middle);
      context.lineTo(left + sample, middle);
      context.stroke();
      context.fillStyle = 'rgb(220,220,220)';
      context.textBaseline = 'middle';
      context.fillText(line, left + sample + gap, middle);
    });
  }
  context.restore();
}
