// The molecule box: the scene drawn on a canvas from the core's sprite list, at the screen's own
// pixels, so that it stays crisp at any device pixel ratio and any size of the box on the page.

import { icePicture, spritePictures, type Picture } from './pictures';

export interface FrameStatistics {
  frames: number;
  drawMilliseconds: number; // all frames
  longestDrawMilliseconds: number;
}

export class SceneView {
  readonly statistics: FrameStatistics = { frames: 0, drawMilliseconds: 0, longestDrawMilliseconds: 0 };
  private pictures = new Map<number, Picture>();
  private pictureScale = 0;
  private ice: HTMLCanvasElement | null = null; // drawn when first needed
  private scale = 1; // screen pixels per scene pixel
  private sprites: Int32Array | null = null;
  private showIce = false;
  private blank = true;
  private dirty = true;

  // The box's size comes from the core with its first picture (setBox); until then nothing is drawn.
  private width = 0;
  private height = 0;

  constructor(readonly canvas: HTMLCanvasElement) {
    const observer = new ResizeObserver(() => this.resize());
    observer.observe(canvas);
    this.resize();
    const frame = () => {
      if (this.dirty) {
        this.draw();
      }
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  }

  // The box's size in scene pixels (the model's walls).
  setBox(width: number, height: number): void {
    if (width !== this.width || height !== this.height) {
      this.width = width;
      this.height = height;
      this.canvas.style.aspectRatio = `${width} / ${height}`;
      this.resize();
    }
  }

  show(sprites: Int32Array | undefined, ice: boolean, blank: boolean): void {
    if (sprites) {
      this.sprites = sprites;
    }
    this.showIce = ice;
    this.blank = blank;
    this.dirty = true;
  }

  private resize(): void {
    if (this.width <= 0 || this.height <= 0) {
      return;
    }
    const ratio = window.devicePixelRatio || 1;
    const shown = this.canvas.getBoundingClientRect().width || this.width;
    this.scale = (shown / this.width) * ratio;
    this.canvas.width = Math.max(1, Math.round(this.width * this.scale));
    this.canvas.height = Math.max(1, Math.round(this.height * this.scale));
    if (Math.abs(this.scale - this.pictureScale) > 1e-6) {
      this.pictures = spritePictures(this.scale);
      this.pictureScale = this.scale;
    }
    this.dirty = true;
  }

  private draw(): void {
    if (this.width <= 0 || this.height <= 0) {
      return;
    }
    const start = performance.now();
    this.dirty = false;
    const context = this.canvas.getContext('2d', { alpha: false }) as CanvasRenderingContext2D;
    context.setTransform(1, 0, 0, 1, 0, 0);
    if (this.showIce && !this.blank) {
      this.ice ??= icePicture();
      const pattern = context.createPattern(this.ice, 'repeat') as CanvasPattern;
      pattern.setTransform(new DOMMatrix().scale(this.scale, this.scale));
      context.fillStyle = pattern;
    } else {
      context.fillStyle = '#ffffff';
    }
    context.fillRect(0, 0, this.canvas.width, this.canvas.height);
    const sprites = this.sprites;
    if (sprites && !this.blank) {
      const scale = this.scale;
      for (let i = 0; i + 2 < sprites.length; i += 3) {
        const picture = this.pictures.get(sprites[i]);
        if (picture) {
          // Positions come in tenths of a box pixel; the picture's corner is truncated toward zero,
          // as the window draws it.
          context.drawImage(picture, Math.trunc((sprites[i + 1] * scale) / 10), Math.trunc((sprites[i + 2] * scale) / 10));
        }
      }
    }
    const spent = performance.now() - start;
    this.statistics.frames += 1;
    this.statistics.drawMilliseconds += spent;
    this.statistics.longestDrawMilliseconds = Math.max(this.statistics.longestDrawMilliseconds, spent);
  }
}
