// Debian's Chromium, headless, driven by puppeteer-core, with the built site on a local server.
import puppeteer from 'puppeteer-core';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../serve.mjs';

export const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const site = path.join(root, 'build-web/site');

export async function start() {
  const server = await serve(site);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'varelo-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    // Without the background services the closed network of a build machine is never asked.
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--hide-scrollbars', '--font-render-hinting=none',
           `--user-data-dir=${profile}`],
  });
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    browser, url,
    // A page in a browser whose first language is `lang`.
    async page(width = 1600, height = 1200, file = '', lang = 'de-DE') {
      const page = await browser.newPage();
      await page.evaluateOnNewDocument(l => {
        Object.defineProperty(navigator, 'languages', { get: () => [l] });
        Object.defineProperty(navigator, 'language', { get: () => l });
      }, lang);
      await page.setViewport({ width, height });
      const errors = [];
      page.on('pageerror', e => errors.push(String(e)));
      page.errors = errors;
      await page.goto(url + file);
      await page.waitForFunction(() => document.body.dataset.ready || document.body.dataset.error, { timeout: 30000 });
      return page;
    },
    async close() {
      await browser.close();
      server.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}
