// What the module pages' tests share: the pixels at a world point of the picture, the
// lesson fields, and the operations of the fullest scene against the desktop build's.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { root } from './browser.mjs';

export const START_VIEW = [-2000, -1000, 4000, 2000]; // left, top, width, height

// The darkest grey (0 black, 255 white) within r device pixels of a device point, over the
// picture and the live layer above it (or on the canvas of `selector`); and whether a
// clearly red or green pixel is among them.
export async function look(page, [x, y], r = 2, selector = null) {
  return page.evaluate((x, y, r, selector) => {
    const layers = selector ? [document.querySelector(selector)] : [Varelo.testing.canvases.base, Varelo.testing.canvases.live];
    const x0 = Math.round(x) - r, y0 = Math.round(y) - r, n = 2 * r + 1;
    const data = layers.map(c => c.getContext('2d').getImageData(x0, y0, n, n).data);
    let darkest = 255, red = false, green = false;
    for (let i = 0; i < data[0].length; i += 4) {
      const px = data.length > 1 && data[1][i + 3] ? data[1] : data[0];
      darkest = Math.min(darkest, (px[i] + px[i + 1] + px[i + 2]) / 3);
      red = red || (px[i] > 180 && px[i + 1] < 100 && px[i + 2] < 100);
      green = green || (px[i] < 100 && px[i + 1] > 180 && px[i + 2] < 100);
    }
    return { darkest, red, green };
  }, x, y, r, selector);
}

// A world point on the picture's device pixels for a view of the given rectangle.
export async function device(page, [x, y], [left, top, width, height] = START_VIEW) {
  const [w, h] = await page.evaluate(() => [Varelo.testing.canvases.base.width, Varelo.testing.canvases.base.height]);
  return [(x - left) * w / width, (y - top) * h / height];
}

export const parseFields = text => Object.fromEntries(text.trim().split('\n').map(l => l.split('=')).map(([k, v]) => [k, Number(v)]));

// The module's fullest scene from the desktop build, loaded into the page as a lesson and
// drawn at the desktop picture's size: the same operations in the same order (kinds,
// colours, widths, styles and texts equal, numbers within 1e-3). Returns the page's answer
// to the lesson, the number of operations and their kinds.
// With `asAnswered`, the layers the lesson's answer asks for (what the window redraws after
// it) instead of the whole picture.
export async function compareFullest(page, module, asAnswered = false) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'varelo-ops-'));
  const fieldsFile = path.join(dir, 'fields.txt'), opsFile = path.join(dir, 'ops.json');
  execFileSync(path.join(root, 'build/varelo_webexport'), ['fullest', module, fieldsFile, opsFile],
               { env: { ...process.env, LANGUAGE: 'de', QT_QPA_PLATFORM: 'offscreen' }, stdio: 'ignore' });
  const desktop = JSON.parse(fs.readFileSync(opsFile, 'utf8'));
  const fields = fs.readFileSync(fieldsFile, 'utf8');
  const web = await page.evaluate((fields, w, h, asAnswered) => {
    const { api, core, FULL } = Varelo.testing;
    api.resize(w, h);
    const answer = JSON.parse(api.setFields(fields));
    const n = api.draw(asAnswered ? answer.layers : FULL);
    const p = api.ops() / 8;
    const ops = [];
    for (let i = 0; i < n; i++) {
      const op = Array.from(core.HEAPF64.subarray(p + i * 10, p + i * 10 + 10));
      const t = api.opText(i);
      if (t) op.push(t);
      ops.push(op);
    }
    return { answer, ops };
  }, fields, desktop.width, desktop.height, asAnswered);
  fs.rmSync(dir, { recursive: true, force: true });
  assert.equal(web.answer.faults, undefined);
  assert.equal(web.ops.length, desktop.ops.length);
  const kinds = new Set();
  for (let i = 0; i < desktop.ops.length; i++) {
    const d = desktop.ops[i], w = web.ops[i];
    kinds.add(d[0]);
    assert.deepEqual([w[0], w[7], w[8], w[9], w[10]], [d[0], d[7], d[8], d[9], d[10]], `operation ${i}: kind, colour, width, style, text`);
    for (let j = 1; j <= 6; j++)
      assert.ok(Math.abs(w[j] - d[j]) <= 1e-3, `operation ${i}, number ${j}: ${w[j]} against ${d[j]}`);
  }
  return { answer: web.answer, count: desktop.ops.length, kinds, fields };
}

// The English translation of a source text, read from the translation file.
export function english(context, source) {
  const ts = fs.readFileSync(path.join(root, 'i18n/varelo_en.ts'), 'utf8');
  const block = ts.split('<context>').find(c => c.includes(`<name>${context}</name>`));
  const esc = source.replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  const m = new RegExp(`<source>${esc}</source>\\s*<translation>([^<]*)</translation>`).exec(block);
  return m && m[1].replace(/&amp;/g, '&').replace(/&quot;/g, '"');
}
