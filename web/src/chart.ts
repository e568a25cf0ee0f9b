// Draws an activity chart that the core laid out (its curves, error bars, fitted lines, mark and
// texts) on a canvas, as the window's activity-curve window shows it.

import type { Chart } from './protocol';

const fontFamily = 'Arial, "Liberation Sans", Helvetica, sans-serif';
// Okabe and Ito's palette, told apart by readers with any colour vision; markers differ too.
const palette = [
  'rgb(0,114,178)',
  'rgb(213,94,0)',
  'rgb(0,158,115)',
  'rgb(204,121,167)',
  'rgb(230,159,0)',
  'rgb(86,180,233)',
  'rgb(0,0,0)',
  'rgb(153,153,153)',
];

interface Axis {
  low: number;
  high: number;
  step: number;
  decimals: number;
}

// About `steps` ticks at round steps; a `tight` axis ends at the data, another at ticks.
function niceAxis(low: number, high: number, includeZero: boolean, tight: boolean, steps: number): Axis {
  if (!Number.isFinite(low) || !Number.isFinite(high) || low > high) {
    low = 0;
    high = 1;
  }
  if (includeZero) {
    low = Math.min(low, 0);
    high = Math.max(high, 0);
  }
  if (high - low < 1e-12) {
    const margin = Math.max(Math.abs(high) * 0.1, 1);
    low -= low === 0 && includeZero ? 0 : margin;
    high += margin;
  }
  const raw = (high - low) / steps;
  const magnitude = Math.pow(10, Math.floor(Math.log10(raw)));
  let mantissa = 10;
  for (const candidate of [1, 2, 2.5, 5, 10]) {
    if (candidate * magnitude >= raw * 0.999) {
      mantissa = candidate;
      break;
    }
  }
  const step = mantissa * magnitude;
  let decimals = Math.max(0, -Math.floor(Math.log10(step) + 1e-9));
  if (mantissa === 2.5) {
    decimals += 1;
  }
  return {
    step,
    decimals,
    low: tight ? low : Math.floor(low / step + 1e-9) * step,
    high: tight ? high : Math.ceil(high / step - 1e-9) * step,
  };
}

function ticksOf(axis: Axis): number[] {
  const ticks: number[] = [];
  for (let i = Math.ceil(axis.low / axis.step - 1e-9); i <= Math.floor(axis.high / axis.step + 1e-9); ++i) {
    ticks.push(i * axis.step);
  }
  return ticks;
}

function numberText(value: number, decimals: number, mark: string): string {
  const text = (Math.abs(value) < 1e-12 ? 0 : value).toFixed(decimals).replace('.', mark);
  return text.startsWith('-') ? `\u2212${text.slice(1)}` : text;
}

function marker(context: CanvasRenderingContext2D, kind: number, x: number, y: number, r: number): void {
  context.beginPath();
  switch (kind % 4) {
    case 0:
      context.arc(x, y, r, 0, 2 * Math.PI);
      break;
    case 1:
      context.rect(x - r, y - r, 2 * r, 2 * r);
      break;
    case 2:
      context.moveTo(x, y - r * 1.2);
      context.lineTo(x + r * 1.1, y + r * 0.8);
      context.lineTo(x - r * 1.1, y + r * 0.8);
      context.closePath();
      break;
    default:
      context.moveTo(x, y - r * 1.3);
      context.lineTo(x + r * 1.3, y);
      context.lineTo(x, y + r * 1.3);
      context.lineTo(x - r * 1.3, y);
      context.closePath();
  }
  context.fill();
}

// Draws the chart over `width` x `height` CSS pixels, `scale` device pixels each.
export function paintChart(
  context: CanvasRenderingContext2D,
  chart: Chart,
  width: number,
  height: number,
  scale: number,
): void {
  context.save();
  context.setTransform(scale, 0, 0, scale, 0, 0);
  context.fillStyle = '#ffffff';
  context.fillRect(0, 0, width, height);
  context.fillStyle = '#202020';
  context.textBaseline = 'top';
  context.textAlign = 'left';
  let top = 10;
  context.font = `bold 15px ${fontFamily}`;
  context.fillText(chart.title, 14, top);
  top += 20;
  if (chart.subtitle) {
    context.font = `12px ${fontFamily}`;
    context.fillStyle = '#505050';
    context.fillText(chart.subtitle, 14, top);
    top += 17;
  }

  // The axes' ranges.
  const xs: number[] = [];
  const ys: number[] = [];
  for (const series of chart.series) {
    for (const [x, y, error] of series.points) {
      xs.push(x);
      ys.push(y - error, y + error);
    }
    for (const [x, y] of series.line) {
      ys.push(y);
      xs.push(x);
    }
  }
  const xLow = chart.xRange ? chart.xRange[0] : Math.min(...xs);
  const xHigh = chart.xRange ? chart.xRange[1] : Math.max(...xs);
  const xAxis = niceAxis(xLow, xHigh, chart.xIncludesZero, chart.xRange !== undefined, 8);
  const yAxis = niceAxis(Math.min(...ys), Math.max(...ys), chart.yIncludesZero, false, 6);

  const footHeight = chart.footnotes.length * 15;
  const plot = { left: 72, top: top + 14, right: width - 20, bottom: height - 48 - footHeight };
  const px = (x: number) => plot.left + ((x - xAxis.low) / (xAxis.high - xAxis.low)) * (plot.right - plot.left);
  const py = (y: number) => plot.bottom - ((y - yAxis.low) / (yAxis.high - yAxis.low)) * (plot.bottom - plot.top);

  // Grid, ticks and their numbers.
  context.font = `11px ${fontFamily}`;
  context.strokeStyle = '#e4e4e4';
  context.lineWidth = 1;
  context.fillStyle = '#303030';
  context.textAlign = 'right';
  context.textBaseline = 'middle';
  for (const tick of ticksOf(yAxis)) {
    const y = Math.round(py(tick)) + 0.5;
    context.beginPath();
    context.moveTo(plot.left, y);
    context.lineTo(plot.right, y);
    context.stroke();
    context.fillText(numberText(tick, yAxis.decimals, chart.decimalMark), plot.left - 6, y);
  }
  context.textAlign = 'center';
  context.textBaseline = 'top';
  for (const tick of ticksOf(xAxis)) {
    const x = Math.round(px(tick)) + 0.5;
    context.beginPath();
    context.moveTo(x, plot.top);
    context.lineTo(x, plot.bottom);
    context.stroke();
    context.fillText(numberText(tick, xAxis.decimals, chart.decimalMark), x, plot.bottom + 5);
  }
  context.strokeStyle = '#404040';
  context.strokeRect(plot.left + 0.5, plot.top + 0.5, plot.right - plot.left, plot.bottom - plot.top);

  // Axis titles and footnotes.
  context.font = `12px ${fontFamily}`;
  context.fillStyle = '#202020';
  context.fillText(chart.xTitle, (plot.left + plot.right) / 2, plot.bottom + 22);
  context.save();
  context.translate(16, (plot.top + plot.bottom) / 2);
  context.rotate(-Math.PI / 2);
  context.textBaseline = 'middle';
  context.fillText(chart.yTitle, 0, 0);
  context.restore();
  context.textAlign = 'left';
  context.font = `11px ${fontFamily}`;
  context.fillStyle = '#505050';
  chart.footnotes.forEach((note, i) => context.fillText(note, 14, plot.bottom + 42 + i * 15));

  // The setting under way, under the data.
  context.save();
  context.beginPath();
  context.rect(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
  context.clip();
  if (chart.mark && chart.mark.x >= xAxis.low && chart.mark.x <= xAxis.high) {
    const x = Math.round(px(chart.mark.x)) + 0.5;
    context.strokeStyle = '#808080';
    context.setLineDash([5, 4]);
    context.beginPath();
    context.moveTo(x, plot.top);
    context.lineTo(x, plot.bottom);
    context.stroke();
    context.setLineDash([]);
    context.fillStyle = '#606060';
    context.font = `11px ${fontFamily}`;
    const labelWidth = context.measureText(chart.mark.label).width;
    const labelX = x + 4 + labelWidth > plot.right ? x - 4 - labelWidth : x + 4;
    context.fillText(chart.mark.label, labelX, plot.top + 4);
  }

  // The curves: fitted lines under the points, error bars, markers.
  chart.series.forEach((series, s) => {
    const colour = palette[s % palette.length];
    context.strokeStyle = colour;
    context.fillStyle = colour;
    context.lineWidth = 1.6;
    const joined = series.line.length > 1 ? series.line : series.points.map(([x, y]) => [x, y] as [number, number]);
    context.beginPath();
    joined.forEach(([x, y], i) => (i === 0 ? context.moveTo(px(x), py(y)) : context.lineTo(px(x), py(y))));
    context.stroke();
    context.lineWidth = 1;
    for (const [x, y, error] of series.points) {
      if (error > 0) {
        context.beginPath();
        context.moveTo(px(x), py(y - error));
        context.lineTo(px(x), py(y + error));
        context.moveTo(px(x) - 3, py(y - error));
        context.lineTo(px(x) + 3, py(y - error));
        context.moveTo(px(x) - 3, py(y + error));
        context.lineTo(px(x) + 3, py(y + error));
        context.stroke();
      }
      marker(context, s, px(x), py(y), 3.5);
    }
  });
  context.restore();

  // The legend with each curve's notes (a fit's results), in the plot's upper corner.
  const entries = chart.series.filter((series) => series.label || series.notes.length > 0);
  if (entries.length > 0) {
    context.font = `11px ${fontFamily}`;
    const lines = entries.flatMap((series) => [series.label, ...series.notes]);
    const boxWidth = Math.max(...lines.map((line) => context.measureText(line).width)) + 34;
    const boxHeight = lines.length * 15 + 8;
    const rising = chart.series.some((series) => {
      const last = series.points[series.points.length - 1];
      return last !== undefined && py(last[1]) < plot.top + boxHeight + 10;
    });
    const left = rising ? plot.right - boxWidth - 6 : plot.left + 6;
    const boxTop = rising ? plot.bottom - boxHeight - 6 : plot.top + 6;
    context.fillStyle = 'rgba(255,255,255,0.9)';
    context.fillRect(left, boxTop, boxWidth, boxHeight);
    context.strokeStyle = '#c0c0c0';
    context.strokeRect(left + 0.5, boxTop + 0.5, boxWidth, boxHeight);
    let y = boxTop + 5;
    chart.series.forEach((series, s) => {
      if (!series.label && series.notes.length === 0) {
        return;
      }
      context.fillStyle = palette[s % palette.length];
      marker(context, s, left + 12, y + 6, 3.5);
      context.fillStyle = '#202020';
      context.fillText(series.label, left + 24, y);
      y += 15;
      context.fillStyle = '#404040';
      for (const note of series.notes) {
        context.fillText(note, left + 24, y);
        y += 15;
      }
    });
  }
  context.restore();
}
