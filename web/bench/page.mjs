// The page's pace in headless Chromium with 200 of everything (enzymes, lactose, thiolactose):
// ticks a second (the model's timer asks for 20), frames a second and the time to draw one, and
// the first picture after the page started to load. Prints the figures as JSON.
//
//   node web/bench/page.mjs [seconds]

import { openPage, ready, startBrowser, statistics } from '../tests/browser.mjs';

const seconds = Number(process.argv[2] ?? 10);
const session = await startBrowser();
try {
  const { page } = await openPage(session, '?enzyme=200&substrate=200&inhibitor=200&ph=8', {
    init: () => {
      // Counts the frames the browser offers the page.
      window.velmoraFrames = [];
      const count = (time) => {
        window.velmoraFrames.push(time);
        requestAnimationFrame(count);
      };
      requestAnimationFrame(count);
    },
  });
  await ready(page);
  const firstPicture = (await statistics(page)).firstPicture;
  await page.click('#start');
  await page.waitForTimeout(1000);
  const before = await statistics(page);
  const framesBefore = await page.evaluate(() => window.velmoraFrames.length);
  const start = Date.now();
  await page.waitForTimeout(seconds * 1000);
  const elapsed = (Date.now() - start) / 1000;
  const afterwards = await statistics(page);
  const intervals = await page.evaluate((from) => {
    const times = window.velmoraFrames.slice(from);
    return times.slice(1).map((time, i) => time - times[i]);
  }, framesBefore);
  intervals.sort((a, b) => a - b);
  const drawn = afterwards.frames - before.frames;
  console.log(
    JSON.stringify({
      firstPictureMilliseconds: Math.round(firstPicture),
      ticksPerSecond: +((afterwards.ticks - before.ticks) / elapsed).toFixed(1),
      framesPerSecond: +(intervals.length / elapsed).toFixed(1),
      frameIntervalMedianMilliseconds: +intervals[Math.floor(intervals.length / 2)].toFixed(1),
      frameIntervalP95Milliseconds: +intervals[Math.floor(intervals.length * 0.95)].toFixed(1),
      scenesDrawn: drawn,
      sceneDrawMeanMilliseconds: +((afterwards.drawMilliseconds - before.drawMilliseconds) / Math.max(drawn, 1)).toFixed(2),
      sceneDrawLongestMilliseconds: +afterwards.longestDrawMilliseconds.toFixed(1),
    }),
  );
} finally {
  await session.close();
}
