// The page in Debian's Chromium, as a student and a teacher use it: the first experiment, the keys
// of the menus, the keyboard alone, the screen reader's sentences, the graph's tools, the activity
// curves, the languages, the settings in the address, a browser without what the model needs, and
// nothing stored on the computer.
//
//   VELMORA_BATCH=build/velmora2-batch node --test web/tests/page.test.mjs

import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, dirname, join, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { openPage, ready, root, site, startBrowser, statistics } from './browser.mjs';
import { serve } from '../scripts/serve.mjs';

const batch = resolve(process.env.VELMORA_BATCH ?? join(root, 'build', 'velmora2-batch'));

// What the native runner writes into `output` for these options.
function runner(args, output) {
  const folder = mkdtempSync(join(tmpdir(), 'velmora-page-'));
  const result = spawnSync(batch, [...args, output === '--csv' ? '--csv' : '--table', join(folder, 'out.csv')], { encoding: 'utf8' });
  assert.equal(result.status, 0, result.stderr);
  const text = readFileSync(join(folder, 'out.csv'), 'utf8');
  rmSync(folder, { recursive: true, force: true });
  return text;
}

async function downloaded(page, click) {
  const [file] = await Promise.all([page.waitForEvent('download'), click()]);
  return { name: file.suggestedFilename(), text: readFileSync(await file.path(), 'utf8') };
}

async function ticksAtLeast(page, ticks) {
  await page.waitForFunction((n) => window.velmoraStatistics.ticks >= n, ticks, { timeout: 30000 });
}

// Waits until the ticks stop; returns their number.
async function settledTicks(page) {
  let last = -1;
  for (let tries = 0; tries < 40; ++tries) {
    await page.waitForTimeout(250);
    const { ticks } = await statistics(page);
    if (ticks === last) {
      return ticks;
    }
    last = ticks;
  }
  assert.fail('the ticks never stop');
}

async function graphTools(page, item) {
  await page.click('#graphTools-button');
  await page.click(`#${item}`);
}

let session;
before(async () => {
  session = await startBrowser();
});
after(async () => {
  await session?.close();
});

test('the first experiment is the runner’s seed 0: Enter starts, the scene moves, the sentences follow, Space pauses', async () => {
  const { page, problems } = await openPage(session);
  await ready(page);
  assert.equal(await page.getAttribute('html', 'lang'), 'fr');
  assert.equal(await page.textContent('#reactionName'), 'Hydrolyse du lactose');
  assert.match(await page.textContent('#comment'), /Bienvenue sur Velmora v2/);
  assert.equal(await page.textContent('#sceneSentence'), 'Aucune expérience en cours');
  assert.equal(await page.getAttribute('#notice', 'aria-live'), 'polite');
  assert.equal(await page.textContent('#notice'), '', 'the opening words are not told');

  await page.keyboard.press('Enter');
  // A start is told at once; the running experiment at most every five seconds.
  await page.waitForFunction(() => document.querySelector('#notice').textContent.startsWith('20 enzymes'));
  await ticksAtLeast(page, 40);
  const early = await page.locator('#scene').screenshot();
  const earlySentence = await page.textContent('#sceneSentence');
  const earlyNotice = await page.textContent('#notice');
  await ticksAtLeast(page, 100);
  const later = await page.locator('#scene').screenshot();
  assert.ok(!early.equals(later), 'the scene changes');
  assert.match(earlySentence, /^20 enzymes/);
  await ticksAtLeast(page, 260);
  assert.notEqual(await page.textContent('#sceneSentence'), earlySentence);
  assert.notEqual(await page.textContent('#notice'), earlyNotice);
  assert.match(await page.textContent('#graphSentence'), /lactose restant\u00a0: \d+\u00a0% à \d+\u00a0s/);

  await page.keyboard.press(' ');
  const ticks = await settledTicks(page);
  await page.waitForTimeout(400);
  assert.equal((await statistics(page)).ticks, ticks, 'paused');
  assert.match(await page.textContent('#sceneSentence'), /en pause/);
  assert.match(await page.textContent('#notice'), /en pause/);

  const csv = await downloaded(page, () => graphTools(page, 'saveData'));
  assert.equal(csv.name, 'donnees-experience.csv');
  assert.equal(csv.text, runner(['--seed', '0', '--ticks', String(ticks)], '--csv'));
  assert.deepEqual(problems, []);
});

test('another volume of the box, chosen from the menu, gives the runner’s run on that box', async () => {
  const { page, problems } = await openPage(session);
  await ready(page);
  await page.click('#modelMenu-button');
  await page.click('#modelMenu-list [role="menuitemradio"]:has-text("200")');
  assert.match(await page.textContent('#volume'), /200\u00a0%/);
  // The focus is back on the menu's button, where Enter opens the menu: the model's Enter elsewhere.
  await page.evaluate(() => document.activeElement.blur());
  await page.keyboard.press('Enter');
  await ticksAtLeast(page, 120);
  await page.keyboard.press(' ');
  const ticks = await settledTicks(page);
  const csv = await downloaded(page, () => graphTools(page, 'saveData'));
  assert.equal(csv.text, runner(['--scene', '724x543', '--ticks', String(ticks)], '--csv'));
  assert.deepEqual(problems, []);
});

test('the panel works from the keyboard alone, with a visible focus ring', async () => {
  const { page, problems } = await openPage(session);
  await ready(page);
  const tabTo = async (id) => {
    for (let presses = 0; presses < 60; ++presses) {
      await page.keyboard.press('Tab');
      if ((await page.evaluate(() => document.activeElement?.id)) === id) {
        return;
      }
    }
    assert.fail(`Tab never reaches #${id}`);
  };
  await tabTo('setting-temperature');
  assert.notEqual(await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle), 'none');
  for (let step = 0; step < 5; ++step) {
    await page.keyboard.press('ArrowLeft');
  }
  assert.equal(await page.textContent('.setting-temperature output'), '32\u00a0°C');
  await tabTo('start');
  await page.keyboard.press('Enter');
  await ticksAtLeast(page, 60);
  await tabTo('pause');
  await page.keyboard.press(' ');
  await settledTicks(page);
  assert.match(await page.textContent('#sceneSentence'), /en pause/);
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => document.querySelector('#comment').textContent.includes('interrompu'));
  assert.equal(await page.textContent('#sceneSentence'), 'Aucune expérience en cours');

  // The previous reaction from its button; Shift+P purges without a fault.
  await page.keyboard.press('Shift+P');
  await tabTo('reacprev');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('#reactionName').textContent === "Hydrolyse de l'amylose");
  assert.equal(await page.isVisible('.setting-inhibitor'), false);
  assert.deepEqual(problems, []);
});

test('a kept curve shows behind the next run, and an activity curve is drawn with the runner’s figures', async () => {
  const { page, problems } = await openPage(session);
  await ready(page);
  await page.click('#start');
  await ticksAtLeast(page, 240);
  await graphTools(page, 'keepCurve');
  await page.click('#start');
  await page.waitForTimeout(1500);
  const keptColour = await page.evaluate(() => {
    const canvas = document.querySelector('#graph');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let found = 0;
    for (let i = 0; i < data.length; i += 4) {
      found += Math.abs(data[i] - 230) < 8 && Math.abs(data[i + 1] - 159) < 8 && data[i + 2] < 20 ? 1 : 0;
    }
    return found;
  });
  assert.ok(keptColour > 20, 'the kept run is drawn in its colour');
  const csv = await downloaded(page, () => graphTools(page, 'saveData'));
  assert.match(csv.text, /^second,substrate,percent,temperature,ph,kept1 \(37 °C pH 7 E20 S100\)\n/);
  // The graph's picture, twice as fine as the graph with its texts around it.
  const [picture] = await Promise.all([page.waitForEvent('download'), graphTools(page, 'saveImage')]);
  const png = readFileSync(await picture.path());
  assert.equal(picture.suggestedFilename(), 'graphique-experience.png');
  assert.equal(png.subarray(1, 4).toString(), 'PNG');
  const graphWidth = await page.evaluate(() => Math.round(document.querySelector('#graph').getBoundingClientRect().width));
  assert.equal(png.readUInt32BE(16), 2 * (60 + graphWidth + 20));

  await graphTools(page, 'activity-ph');
  await page.waitForFunction(() => document.querySelector('#activityStatus')?.textContent.startsWith('Calcul terminé'), null, {
    timeout: 120000,
  });
  assert.match(await page.textContent('#activityStatus'), /150\u00a0expériences/);
  const inked = await page.evaluate(() => {
    const canvas = document.querySelector('#activityChart');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let count = 0;
    for (let i = 0; i < data.length; i += 4) {
      count += data[i] < 200 || data[i + 1] < 200 || data[i + 2] < 200 ? 1 : 0;
    }
    return count;
  });
  assert.ok(inked > 2000, 'the curve is drawn');
  await page.click('.activity-disclosure summary');
  assert.ok(await page.isVisible('.activity-command'), 'the equivalent command shows on demand');
  const command = (await page.textContent('.activity-command')).replace(/^velmora2-batch /, '');
  const table = await downloaded(page, () => page.click('#activitySaveData'));
  assert.equal(table.name, 'activite-ph.csv');
  assert.equal(table.text, runner(command.split(' '), '--table'));
  await page.keyboard.press('Escape');
  assert.deepEqual(problems, []);
});

test('experiment files open and save in the page through the core, with their kept runs and their scenario', async () => {
  const { page, problems } = await openPage(session);
  await ready(page);
  const open = async (files) => {
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), (async () => {
      await page.click('#fileMenu-button');
      await page.click('#openExperiment');
    })()]);
    await chooser.setFiles(files);
  };
  await open(join(root, 'examples', 'chauffage.velmora'));
  await page.waitForSelector('#noticeDialog');
  assert.match(await page.textContent('#noticeDialog'), /Effet de la température/);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#noticeDialog', { state: 'detached' });
  await page.waitForFunction(() => document.querySelector('#setting-ph').value === '8');
  assert.equal(await page.isDisabled('#setting-ph'), true, 'the scenario locks the pH');
  assert.equal(await page.isDisabled('#setting-temperature'), false);
  assert.equal(await page.getAttribute('#notice', 'aria-live'), 'polite', 'the live region stays');

  await page.click('#start');
  await ticksAtLeast(page, 60);
  await graphTools(page, 'keepCurve');
  await page.click('#modelMenu-button');
  await page.click('#modelMenu-list [role="menuitemradio"]:has-text("50")');
  const saved = await downloaded(page, async () => {
    await page.click('#fileMenu-button');
    await page.click('#saveExperiment');
  });
  assert.equal(saved.name, 'experience.velmora');
  const file = JSON.parse(saved.text);
  assert.equal(file.format, 'velmora-experiment');
  assert.equal(file.volume, 50);
  assert.equal(file.ph, 8);
  assert.equal(file.title, 'Effet de la température');
  assert.deepEqual(file.locked, ['ph']);
  assert.equal(file.kept.length, 1);
  assert.equal(file.kept[0].volume, 100);

  // Saved, then opened again: the kept run is behind the curve; a faulty file is named.
  await open({ name: 'reprise.velmora', mimeType: 'application/json', buffer: Buffer.from(saved.text) });
  await page.waitForSelector('#noticeDialog');
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => document.querySelector('#volume').textContent.includes('50'));
  const csv = await downloaded(page, () => graphTools(page, 'saveData'));
  assert.match(csv.text, /^second,substrate,percent,temperature,ph,kept1 \(37 °C pH 8 E20 S100\)\n/);
  await open({ name: 'notes.velmora', mimeType: 'application/json', buffer: Buffer.from('{"format": "tableur"') });
  await page.waitForSelector('#noticeDialog');
  assert.match(await page.textContent('#noticeDialog'), /notes\.velmora/);
  assert.deepEqual(problems, []);
});

test('English from ?lang=en or the browser; settings and locks from the address, faulty values named in a banner', async () => {
  {
    const { page, problems } = await openPage(session, '?lang=en&reaction=3&substrate=50');
    await ready(page);
    assert.equal(await page.getAttribute('html', 'lang'), 'en');
    assert.equal(await page.textContent('#modelMenu-button'), 'Model');
    assert.equal(await page.textContent('#reactionName'), 'Maltose hydrolysis');
    assert.equal(await page.textContent('.setting-substrate output'), '50\u00a0molecules');
    assert.match(await page.textContent('#comment'), /Welcome/);
    assert.equal(await page.isVisible('#banner'), false);
    assert.deepEqual(problems, []);
  }
  {
    const { page } = await openPage(session, '', { locale: 'en-GB' });
    await ready(page);
    assert.equal(await page.textContent('#start'), 'Start / restart the experiment');
  }
  {
    const { page, problems } = await openPage(session, '?temperature=200&ph=sept&lock=temperature,couleur&enzyme=40', { locale: 'en-US' });
    await ready(page);
    assert.equal(await page.isVisible('#banner'), true);
    const banner = await page.textContent('#banner');
    assert.match(banner, /“temperature” is “200”/);
    assert.match(banner, /“ph” is “sept”/);
    assert.match(banner, /“couleur”/);
    assert.equal(await page.inputValue('#setting-temperature'), '37');
    assert.equal(await page.isDisabled('#setting-temperature'), true);
    assert.equal(await page.inputValue('#setting-enzyme'), '40');
    assert.deepEqual(problems, []);
  }
  {
    const { page } = await openPage(session, '?substrate=201&lock=reaction');
    await ready(page);
    assert.match(await page.textContent('#banner'), /Dans l’adresse, le réglage «\u00a0substrate\u00a0» vaut «\u00a0201\u00a0»/);
    assert.equal(await page.isDisabled('#reacsuiv'), true);
  }
  {
    // The experiment files' names: the core's volumes, the symbols' words, the products' captions.
    const { page, problems } = await openPage(session, '?volume=150&symbols=petits&products=50&lock=symbols');
    await ready(page);
    const banner = await page.textContent('#banner');
    assert.match(banner, /«\u00a0volume\u00a0» vaut «\u00a0150\u00a0».*\(il faut 25, 50, 100, 200, 400\)/);
    assert.match(banner, /«\u00a0symbols\u00a0» vaut «\u00a0petits\u00a0».*\(il faut large, small\)/);
    assert.doesNotMatch(banner, /products/);
    assert.equal(await page.isDisabled('#petits'), true);
    assert.equal(await page.isVisible('#volume'), false, 'the usual box');
    assert.deepEqual(problems, []);
  }
  {
    const { page } = await openPage(session, '?volume=25&symbols=small');
    await ready(page);
    assert.match(await page.textContent('#volume'), /25\u00a0%/);
    assert.equal(await page.getAttribute('#petits', 'aria-pressed'), 'true');
  }
});

test('the scene and the graph are drawn at the screen’s own pixels, whatever its pixel ratio and size', async () => {
  for (const [deviceScaleFactor, viewport] of [
    [1.5, { width: 1024, height: 768 }],
    [2, { width: 768, height: 1024 }],
    [1.25, { width: 1920, height: 1080 }],
  ]) {
    const { page, problems } = await openPage(session, '?volume=200', { deviceScaleFactor, viewport });
    await ready(page);
    await page.keyboard.press('Enter');
    await ticksAtLeast(page, 20);
    const sizes = await page.evaluate(() =>
      ['#scene', '#graph'].map((selector) => {
        const canvas = document.querySelector(selector);
        const box = canvas.getBoundingClientRect();
        return [canvas.width, box.width * devicePixelRatio, canvas.height, box.height * devicePixelRatio];
      }),
    );
    for (const [width, shownWidth, height, shownHeight] of sizes) {
      assert.ok(Math.abs(width - shownWidth) <= 1 && Math.abs(height - shownHeight) <= 1, `${sizes} at ${deviceScaleFactor}`);
    }
    // The box of 200 % keeps its shape: 724 x 543.
    const [[sceneWidth, , sceneHeight]] = sizes;
    assert.ok(Math.abs(sceneWidth / sceneHeight - 724 / 543) < 0.01);
    // The molecules fill the whole box: each quarter of the scene has some.
    const quarters = await page.evaluate(() => {
      const canvas = document.querySelector('#scene');
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      const inked = [0, 0, 0, 0];
      for (let i = 0; i < data.length; i += 4) {
        if (data[i] < 200 || data[i + 1] < 200 || data[i + 2] < 200) {
          const pixel = i / 4;
          const right = pixel % canvas.width >= canvas.width / 2;
          const low = Math.floor(pixel / canvas.width) >= canvas.height / 2;
          inked[(low ? 2 : 0) + (right ? 1 : 0)] += 1;
        }
      }
      return inked;
    });
    assert.ok(quarters.every((count) => count > 100), `molecules in each quarter: ${quarters}`);
    assert.deepEqual(problems, []);
  }
});

test('the site works from any folder of a web server', async () => {
  const server = await serve(dirname(site), 0);
  try {
    const context = await session.browser.newContext({ locale: 'fr-FR' });
    const page = await context.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/${basename(site)}/?reaction=2`);
    await ready(page);
    assert.equal(await page.textContent('#reactionName'), 'Synthèse du lactose');
    await context.close();
  } finally {
    await new Promise((done) => server.close(done));
  }
});

test('a browser without WebAssembly or workers gets a French page saying what is needed', async () => {
  for (const missing of ['WebAssembly', 'Worker']) {
    const { page } = await openPage(session, '', {
      init: `delete window.${missing};`,
    });
    await page.waitForSelector('.requirements');
    assert.match(await page.textContent('.requirements'), /il lui faut WebAssembly et les «\u00a0Web Workers\u00a0»/);
  }
});

test('"En savoir plus" lists the explanations to come, and the page stores nothing on the computer', async () => {
  const { page, context, problems } = await openPage(session);
  await ready(page);
  await page.click('#more');
  await page.waitForSelector('#lessons');
  const lessons = await page.textContent('#lessons');
  assert.match(lessons, /prochaine version/);
  assert.match(lessons, /Le mécanisme de la catalyse enzymatique/);
  const closed = async () => {
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => !document.querySelector('dialog') && document.activeElement?.id === 'more');
  };
  await closed();
  await page.keyboard.press('F1');
  await page.waitForSelector('#lessons');
  await closed();
  // Back on the button that opened it, Enter would press it: the menu's Enter works elsewhere.
  await page.evaluate(() => document.activeElement.blur());
  await page.keyboard.press('Enter');
  await ticksAtLeast(page, 40);
  await page.click('#percent');
  await page.waitForFunction(() => document.querySelector('#axisTop').textContent === '100 UA');
  const stored = await page.evaluate(async () => ({
    local: localStorage.length,
    session: sessionStorage.length,
    cookie: document.cookie,
    databases: (await indexedDB.databases()).length,
    caches: 'caches' in window ? (await caches.keys()).length : 0,
  }));
  assert.deepEqual(stored, { local: 0, session: 0, cookie: '', databases: 0, caches: 0 });
  assert.deepEqual(await context.cookies(), []);
  assert.deepEqual(problems, []);
});
