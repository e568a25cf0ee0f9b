// The activity curves of the graph's menu, computed in a worker of their own while the experiment
// goes on: the measure (the initial rate over a share of the substrate, by default the curve's own, or
// the half-reaction time) and the experiments per point to choose, the curve with the current
// setting marked, its Michaelis-Menten fit (with the competitive model when an inhibitor is
// compared) and its Lineweaver-Burk view for the substrate, its table to copy or save, and its
// picture.

import { paintChart } from './chart';
import { copyText, download, el } from './dom';
import { coreWords, fill, t, tr } from './i18n';
import type { ActivityChoices, ActivityDefaults, ActivityResult, FromWorker, ScreenSettings } from './protocol';
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
  // The core's defaults, given when it has started.
  defaults: ActivityDefaults | null = null;

  constructor(private readonly currentSettings: () => Promise<ScreenSettings>) {}

  async open(curve: string): Promise<void> {
    const defaults = this.defaults;
    if (!defaults) {
      return;
    }
    const settings = await this.currentSettings();
    const w = (text: string) => tr('ActivityWindow', text);
    const choice = (control: HTMLElement, caption: string) =>
      el('label', { class: 'activity-choice' }, w(caption) + ' ', control);
    const measure = el(
      'select',
      { id: 'measureChoice' },
      el('option', { value: 'initialRate', text: w('vitesse initiale') }),
      el('option', { value: 'halfTime', text: w('temps de demi-réaction') }),
    );
    const share = el('input', {
      type: 'number',
      id: 'shareChoice',
      min: 1,
      max: defaults.largestShare,
      step: 1,
      value: defaults.shares[curve],
      title: w('La vitesse initiale est prise jusqu’à ce que cette part du substrat soit transformée.'),
    });
    const repeats = el(
      'select',
      { id: 'repeatsChoice' },
      ...[...new Set([defaults.replicates, 20, 50])].map((count) => el('option', { value: count, text: String(count) })),
    );
    const choices = (): ActivityChoices => ({
      measure: measure.value === 'halfTime' ? 'halfTime' : 'initialRate',
      share: Math.min(defaults.largestShare, Math.max(1, Math.round(Number(share.value) || defaults.shares[curve]))),
      replicates: Number(repeats.value),
    });
    const canvas = el('canvas', { id: 'activityChart', class: 'activity-chart', role: 'img', 'aria-label': w(titles[curve]) });
    const progress = el('progress', { id: 'activityProgress', max: 1, value: 0, 'aria-label': w('Avancement du calcul') });
    const cancel = el('button', { type: 'button', id: 'activityCancel', text: w('&Annuler le calcul') });
    const restart = el('button', { type: 'button', id: 'activityRestart', text: w('&Recommencer le calcul'), hidden: true });
    const status = el('p', { id: 'activityStatus', role: 'status', text: w('Calcul en cours…') });
    const fit = el('p', { id: 'activityFit', class: 'activity-fit', hidden: true });
    const lineweaver = el('input', { type: 'checkbox', id: 'lineweaverBurk', disabled: true });
    const lineweaverRow = el('label', { class: 'activity-option' }, lineweaver, ' ' + w('Représentation de &Lineweaver-Burk (1/v selon 1/S)'));
    // The equivalent velmora2-batch command, for the teacher, behind a disclosure.
    const command = el('p', { class: 'activity-command' });
    const commandShown = el('details', { class: 'activity-disclosure' }, el('summary', { text: w('Commande é&quivalente') }), command);
    const copy = el('button', { type: 'button', id: 'activityCopy', disabled: true, text: w('&Copier les données') });
    const saveData = el('button', { type: 'button', id: 'activitySaveData', disabled: true, text: w('&Enregistrer les données…') });
    const saveImage = el('button', { type: 'button', id: 'activitySaveImage', disabled: true, text: w('Enregistrer l’&image…') });
    const intro = el('p', { id: 'activityIntro' });
    const shareLabel = choice(share, '&Part transformée\u00a0:');
    shareLabel.append('\u00a0%');
    const choicesRow = el('div', { class: 'activity-choices' }, choice(measure, '&Mesure\u00a0:'), shareLabel, choice(repeats, 'E&xpériences par point\u00a0:'));
    // As the window says it, from the choices.
    const describe = () => {
      const chosen = choices();
      const rate = chosen.measure === 'initialRate';
      share.disabled = !rate;
      lineweaverRow.hidden = !rate || curve !== 'substrate';
      intro.textContent =
        (rate
          ? fill(
              w('Chaque point est la vitesse initiale moyenne de %1\u00a0expériences faites avec les réglages actuels, prise jusqu’à ce que %2\u00a0% du substrat de départ soit transformé.'),
              chosen.replicates,
              chosen.share,
            )
          : fill(w('Chaque point est le temps de demi-réaction moyen de %1\u00a0expériences faites avec les réglages actuels.'), chosen.replicates)) +
        ' ' +
        t('L’expérience continue pendant le calcul.');
    };
    const dialog = openDialog(
      w(titles[curve]),
      [
        choicesRow,
        intro,
        canvas,
        el('div', { class: 'activity-progress' }, progress, cancel, restart),
        status,
        fit,
        lineweaverRow,
        commandShown,
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
          command.textContent = result.command;
          if (result.fitLines.length > 0) {
            fit.textContent = result.fitLines.join('\n');
            fit.hidden = false;
          }
          status.textContent = fill(w('Calcul terminé\u00a0: %1\u00a0expériences.'), result.runs) + (result.cutShortNote ? ' ' + result.cutShortNote : '');
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
      worker.postMessage({ type: 'activity', id, curve, settings, words: coreWords(), choices: choices() });
    };
    // A new choice computes the curve again, as in the window.
    for (const control of [measure, share, repeats]) {
      control.addEventListener('change', () => {
        describe();
        compute();
      });
    }
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
    describe();
    compute();
  }

  // A computation under way stops at once: its worker ends.
  private stop(): void {
    this.worker?.terminate();
    this.worker = null;
  }
}
