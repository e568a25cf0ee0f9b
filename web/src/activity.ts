// The activity curves of the graph's menu, computed in a worker of their own while the experiment
// goes on: the curve with the current setting marked, its Michaelis-Menten fit and its
// Lineweaver-Burk view for the substrate, its table to copy or save, and its picture.

import { paintChart } from './chart';
import { copyText, download, el } from './dom';
import { coreWords, fill, t, tr } from './i18n';
import type { ActivityResult, FromWorker, ScreenSettings } from './protocol';
import { noticeDialog, openDialog } from './texts';

const titles: Record<string, string> = {
  temperature: 'Courbe d’activité selon la température',
  ph: 'Courbe d’activité selon le pH',
  substrate: 'Courbe d’activité selon la quantité de substrat',
  inhibitor: 'Courbe d’activité selon la quantité d’inhibiteur',
};
const fileNames: Record<string, string> = {
  temperature: 'activite-temperature',
  ph: 'activite-ph',
  substrate: 'activite-substrat',
  inhibitor: 'activite-inhibiteur',
};

export class ActivityDialog {
  private worker: Worker | null = null;
  private request = 0;

  constructor(private readonly currentSettings: () => Promise<ScreenSettings>) {}

  async open(curve: string): Promise<void> {
    const settings = await this.currentSettings();
    const w = (text: string) => tr('ActivityWindow', text);
    const canvas = el('canvas', { id: 'activityChart', class: 'activity-chart', role: 'img', 'aria-label': w(titles[curve]) });
    const progress = el('progress', { id: 'activityProgress', max: 1, value: 0, 'aria-label': w('Avancement du calcul') });
    const cancel = el('button', { type: 'button', id: 'activityCancel', text: w('&Annuler le calcul') });
    const restart = el('button', { type: 'button', id: 'activityRestart', text: w('&Recommencer le calcul'), hidden: true });
    const status = el('p', { id: 'activityStatus', role: 'status', text: w('Calcul en cours…') });
    const fit = el('p', { id: 'activityFit', class: 'activity-fit', hidden: true });
    const lineweaver = el('input', { type: 'checkbox', id: 'lineweaverBurk', disabled: true });
    const lineweaverRow = el('label', { class: 'activity-option', hidden: curve !== 'substrate' }, lineweaver, ' ' + w('Représentation de &Lineweaver-Burk (1/v selon 1/S)'));
    const command = el('p', { class: 'activity-command' });
    const copy = el('button', { type: 'button', id: 'activityCopy', disabled: true, text: w('&Copier les données') });
    const saveData = el('button', { type: 'button', id: 'activitySaveData', disabled: true, text: w('&Enregistrer les données…') });
    const saveImage = el('button', { type: 'button', id: 'activitySaveImage', disabled: true, text: w('Enregistrer l’&image…') });
    const intro = el('p', {
      text: fill(t('Chaque point est la vitesse initiale moyenne de %1\u00a0expériences faites avec les réglages actuels. L’expérience continue pendant le calcul.'), 10),
    });
    const dialog = openDialog(
      w(titles[curve]),
      [
        intro,
        canvas,
        el('div', { class: 'activity-progress' }, progress, cancel, restart),
        status,
        fit,
        lineweaverRow,
        command,
        el('div', { class: 'activity-buttons' }, copy, saveData, saveImage),
      ],
      'activity',
    );
    dialog.classList.add('activity-dialog');
    let result: ActivityResult | null = null;

    const draw = () => {
      if (!result) {
        return;
      }
      const chart = lineweaver.checked && result.lineweaverBurk ? result.lineweaverBurk : result.chart;
      const ratio = window.devicePixelRatio || 1;
      const width = Math.max(300, Math.round(canvas.getBoundingClientRect().width));
      const height = Math.min(Math.round(width * 0.62), Math.max(260, Math.round(window.innerHeight * 0.5)));
      canvas.width = Math.round(width * ratio);
      canvas.height = Math.round(height * ratio);
      canvas.style.height = `${height}px`;
      paintChart(canvas.getContext('2d') as CanvasRenderingContext2D, chart, width, height, ratio);
    };
    const compute = () => {
      this.stop();
      result = null;
      const id = ++this.request;
      [copy, saveData, saveImage, lineweaver].forEach((control) => (control.disabled = true));
      cancel.hidden = false;
      restart.hidden = true;
      progress.hidden = false;
      progress.value = 0;
      status.textContent = w('Calcul en cours…');
      fit.hidden = true;
      cancel.focus();
      const worker = new Worker('velmora-worker.js');
      this.worker = worker;
      worker.onmessage = (event: MessageEvent<FromWorker>) => {
        const message = event.data;
        if (message.type === 'progress' && message.id === id) {
          progress.max = message.total;
          progress.value = message.done;
        } else if (message.type === 'activity' && message.id === id) {
          this.stop();
          result = message.result;
          cancel.hidden = true;
          progress.hidden = true;
          if (!result) {
            status.textContent = w('Calcul annulé.');
            restart.hidden = false;
            return;
          }
          [copy, saveData, saveImage].forEach((control) => (control.disabled = false));
          lineweaver.disabled = !result.lineweaverBurk;
          command.textContent = fill(w('Le même calcul sans fenêtre\u00a0: %1'), result.command);
          if (result.fitLines.length > 0) {
            fit.textContent = result.fitLines.join('\n');
            fit.hidden = false;
          }
          status.textContent = fill(w('Calcul terminé\u00a0: %1\u00a0expériences.'), result.runs);
          draw();
          if (document.activeElement === cancel || document.activeElement === document.body) {
            copy.focus();
          }
        } else if (message.type === 'failure') {
          this.stop();
          status.textContent = fill(w('Le calcul n’a pas pu aboutir\u00a0: %1.'), message.message);
          restart.hidden = false;
        }
      };
      worker.postMessage({ type: 'activity', id, curve, settings, words: coreWords() });
    };
    cancel.addEventListener('click', () => {
      this.stop();
      cancel.hidden = true;
      progress.hidden = true;
      restart.hidden = false;
      status.textContent = w('Calcul annulé.');
      restart.focus();
    });
    restart.addEventListener('click', compute);
    lineweaver.addEventListener('change', draw);
    copy.addEventListener('click', async () => {
      if (result && !(await copyText(result.tableText))) {
        noticeDialog(t('Le navigateur n’a pas permis de copier les données.'));
      }
    });
    saveData.addEventListener('click', () => {
      if (result) {
        download(`${w(fileNames[curve])}.csv`, new Blob([result.tableCsv], { type: 'text/csv' }));
      }
    });
    saveImage.addEventListener('click', () => {
      canvas.toBlob((blob) => blob && download(`${w(fileNames[curve])}.png`, blob), 'image/png');
    });
    dialog.addEventListener('close', () => this.stop());
    compute();
  }

  // A computation under way stops at once: its worker ends.
  private stop(): void {
    this.worker?.terminate();
    this.worker = null;
  }
}
