// Debian's Chromium, headless, driven by playwright-core, against the built site served on
// 127.0.0.1: no GPU, no sandbox when run as root, and nothing that reaches the network.

import { chromium } from 'playwright-core';
import { resolve } from 'node:path';
import { serve } from '../scripts/serve.mjs';

export const root = resolve(import.meta.dirname, '..', '..');
export const site = resolve(process.env.VELMORA_SITE ?? resolve(root, 'build-web', 'site'));

const quietFlags = [
  '--disable-gpu',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-default-apps',
  '--disable-domain-reliability',
  '--disable-client-side-phishing-detection',
  '--disable-sync',
  '--disable-breakpad',
  '--metrics-recording-only',
  '--no-first-run',
  '--no-default-browser-check',
  '--no-pings',
  '--disable-features=Translate,OptimizationHints,MediaRouter,InterestFeedContentSuggestions,CertificateTransparencyComponentUpdater,AutofillServerCommunication',
  // Every name but this computer's own address fails at once.
  '--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1',
];

export async function startBrowser() {
  const server = await serve(site, 0);
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    chromiumSandbox: false,
    args: [...(process.getuid?.() === 0 ? ['--no-sandbox'] : []), ...quietFlags],
  });
  const address = `http://127.0.0.1:${server.address().port}/`;
  return {
    browser,
    address,
    contexts: [],
    async close() {
      await browser.close();
      // Connections that a page left open (a test that failed half-way) would keep the server, and
      // so the test, waiting.
      server.closeAllConnections();
      await new Promise((done) => server.close(done));
    },
  };
}

// A page in French (or `locale`), with its console errors and failed requests collected. One page
// at a time: the pages opened before are closed, so that their animation does not slow this one.
export async function openPage(
  session,
  query = '',
  { locale = 'fr-FR', viewport = { width: 1024, height: 768 }, deviceScaleFactor = 1, init } = {},
) {
  await Promise.all(session.contexts.splice(0).map((earlier) => earlier.close()));
  const context = await session.browser.newContext({ locale, viewport, deviceScaleFactor, acceptDownloads: true });
  session.contexts.push(context);
  if (init) {
    await context.addInitScript(init);
  }
  const page = await context.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') {
      problems.push(`${message.type()}: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('requestfailed', (request) => problems.push(`failed: ${request.url()}`));
  await page.goto(session.address + query);
  return { page, context, problems };
}

export async function ready(page) {
  await page.waitForSelector('html[data-ready]', { timeout: 15000 });
}

export function statistics(page) {
  return page.evaluate(() => ({ ...window.velmoraStatistics }));
}
