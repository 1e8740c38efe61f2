// The lens page in headless Chromium: rays traced here through the lens's two spheres and
// checked at the canvas pixels they must cross, the preset fields, the angle graph and the
// protractor used as a person uses them, and the operations against the desktop build's.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { start } from './browser.mjs';
import { look, device, parseFields, compareFullest } from './picture.mjs';

let chromium;
before(async () => { chromium = await start(); });
after(async () => { await chromium.close(); });

async function open() {
  const page = await chromium.page(1600, 1150, '?module=lens');
  page.at = async (x, y) => page.evaluate((x, y) => Varelo.testing.toClient(x, y), x, y);
  page.press = async (button, p) => {
    const [x, y] = await page.at(...p);
    await page.mouse.move(x, y);
    await page.mouse.down({ button });
    await page.mouse.up({ button });
  };
  page.fields = async () => parseFields(await page.evaluate(() => Varelo.testing.api.fields()));
  return page;
}

const at = async (page, p, r = 2) => look(page, await device(page, p), r);
const field = (page, id) => page.$eval('#' + id, e => e.value);
// A length in tenths as the boxes show it, by the float rule Int(v / 10 + 0.5).
const F = Math.fround, tenths = v => String(Math.floor(F(F(v) / 10) + 0.5));

// ---- The lens of the start, traced here: biconvex, R = 1000 both sides, 300 thick, n = 1.6.
// World y grows downwards; the right surface's vertex at x = 0, the left one's at x = -300.
const N = 1.6;
const LEFT = { c: [700, 0], r: 1000 }, RIGHT = { c: [-1000, 0], r: 1000 };
const add = (a, b, k = 1) => [a[0] + k * b[0], a[1] + k * b[1]];
const dot = (a, b) => a[0] * b[0] + a[1] * b[1];
const unit = a => { const l = Math.hypot(...a); return [a[0] / l, a[1] / l]; };

// The nearest crossing ahead of p on direction d with a sphere, and the normal there facing
// the ray.
function meet(p, d, { c, r }) {
  const m = add(p, c, -1), b = dot(m, d), disc = b * b - (dot(m, m) - r * r);
  const roots = [-b - Math.sqrt(disc), -b + Math.sqrt(disc)].filter(t => t > 1e-6);
  const q = add(p, d, roots[0]);
  let n = unit(add(q, c, -1));
  if (dot(n, d) > 0) n = [-n[0], -n[1]];
  return { q, n };
}
// Snell's law in vector form (eta = n1 / n2) and the law of reflection.
function refract(d, n, eta) {
  const cos = -dot(n, d), k = 1 - eta * eta * (1 - cos * cos);
  return add([eta * d[0], eta * d[1]], n, eta * cos - Math.sqrt(k));
}
const reflect = (d, n) => add(d, n, -2 * dot(d, n));
const alongX = (p, d, x) => [x, p[1] + (x - p[0]) * d[1] / d[0]];

test('the object point by the right button; a ray parallel to the axis refracted at both surfaces, one on it straight', async () => {
  const page = await open();
  // The object point 200 above the axis; its box reads from the lens centre (150 right of the
  // left vertex), y upwards. Then the ray aimed level from it.
  assert.ok((await at(page, [-1600, -650])).darkest < 64, 'the first object point');
  await page.press('right', [-1600, -200]);
  assert.deepEqual([await field(page, 'Text8'), await field(page, 'Text9')], [`x=${tenths(-1600 + 150)}`, `y=${-tenths(-200)}`]);
  assert.ok((await at(page, [-1600, -650])).darkest > 235, 'the point left its first place');
  const y0 = (await page.fields())['bundles.objY[1]'];
  assert.ok((await at(page, [-1600, y0])).darkest < 64, 'for the new one');
  await page.press('left', [-500, y0]);
  const entry = meet([-1600, y0], [1, 0], LEFT);
  const inside = refract([1, 0], entry.n, 1 / N);
  const exit = meet(entry.q, inside, RIGHT);
  const out = refract(inside, exit.n, N);
  for (const x of [600, 1200, 1800])
    assert.ok((await at(page, alongX(exit.q, out, x))).darkest < 128, `the refracted ray at x = ${x}`);
  assert.ok((await at(page, [1800, y0], 3)).darkest > 235, 'no ray goes on undeviated');

  // "vorn gespiegelte": the part the left surface reflects, green.
  const back = reflect([1, 0], entry.n);
  assert.ok(!(await at(page, alongX(entry.q, back, -900))).green);
  await page.click('#Check3D2 input');
  assert.ok((await at(page, alongX(entry.q, back, -900))).green, 'the front reflection');

  // Along the axis: a solid line right of the lens to the edge, where the dash-dot axis
  // alone leaves gaps (columns white a pixel either side of it).
  await page.click('#Check3D2 input');
  const gaps = async () => {
    const [x0, y] = await device(page, [400, 0]);
    const [x1] = await device(page, [1900, 0]);
    return page.evaluate((x0, x1, y) => {
      const w = x1 - x0, d = Varelo.testing.canvases.base.getContext('2d').getImageData(x0, y - 1, w, 3).data;
      let white = 0;
      for (let i = 0; i < w; i++)
        if ([0, 1, 2].every(row => { const k = 4 * (row * w + i); return d[k] + d[k + 1] + d[k + 2] > 600; })) white++;
      return white;
    }, Math.round(x0), Math.round(x1), Math.round(y));
  };
  await page.click('#Command5'); // a new object point, moved onto the axis
  await page.press('right', [-1600, 0]);
  assert.ok(await gaps() > 50, 'the axis alone is dash-dotted');
  await page.press('left', [-500, 0]);
  assert.equal(await gaps(), 0, 'the axial ray goes on along the axis');
  // The pointer's place, also from the centre.
  const [x, y] = await page.at(500, -400);
  await page.mouse.move(x, y);
  assert.deepEqual([await field(page, 'Text1'), await field(page, 'Text2')], [`x = ${tenths(650)}`, `y = ${-tenths(-400)}`]);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the preset fields: a left click loads a lens, a right click stores one; a bar by keyboard', async () => {
  const page = await open();
  const f = await page.fields();
  // A radius from the curvature the bars hold, 12000 / k; plane for k = 0.
  const radius = k => (Math.round(k) === 0 ? 'plan' : tenths(12000 / Math.round(k)));
  for (let i = 1; i <= 10; i++) {
    await page.click(`#Picture${8 + i}`);
    const expected = [radius(f[`preset${i}.k1`]), radius(f[`preset${i}.k2`]), tenths(f[`preset${i}.thickness`])];
    assert.deepEqual([await field(page, 'Text4'), await field(page, 'Text3'), await field(page, 'Text5')], expected, `preset ${i}`);
    const pressed = await page.$$eval('[id^=Picture][aria-pressed=true]', es => es.map(e => e.id));
    assert.deepEqual(pressed, [`Picture${8 + i}`]);
  }
  // Field 4's number stays red once it was loaded.
  assert.equal(await page.$eval('#Label16', e => getComputedStyle(e).backgroundColor), 'rgb(255, 0, 0)');

  // The keyboard: the right radius one step, 12000 / -11 (the first preset has -12).
  await page.click('#Picture9');
  await page.focus('#HScroll3');
  await page.keyboard.press('ArrowRight');
  assert.equal(await field(page, 'Text4'), tenths(12000 / -11));
  assert.equal(await page.$eval('#Picture9', e => e.getAttribute('aria-pressed')), 'false', 'a bar leaves the preset');
  const face = () => page.$eval('#Picture9 canvas', c => c.toDataURL());
  const before = await face();
  await page.click('#Picture9', { button: 'right' });
  assert.notEqual(await face(), before, 'the stored lens on its face');
  // The keyboard's right click stores too, Enter loads.
  await page.focus('#Picture10');
  await page.keyboard.press('ContextMenu');
  await page.click('#Picture11');
  assert.equal(await field(page, 'Text4'), radius(f['preset3.k1']));
  await page.focus('#Picture10');
  await page.keyboard.press('Enter');
  assert.equal(await field(page, 'Text4'), tenths(12000 / -11), 'Enter loads the stored lens');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the angle graph: shown by its symbol, read by a click, covered by the notes', async () => {
  const page = await open();
  const shown = () => page.$eval('#Picture8', e => !e.hidden);
  assert.ok(!(await shown()));
  await page.click('#Picture7');
  assert.ok(await shown());
  assert.equal(await page.$eval('#Label40', e => e.textContent), 'Einfalls- und Brechungswinkel für n = 1,6');
  // The graph spans -10 .. 100 degrees both ways, refraction upwards.
  const graph = async ([a, b]) => {
    const [w, h] = await page.$eval('#Picture8 canvas', c => [c.width, c.height]);
    return [(a + 10) * w / 110, (100 - b) * h / 110];
  };
  const beta = Math.asin(Math.sin(60 * Math.PI / 180) / N) * 180 / Math.PI;
  const reading = async () => (await look(page, await graph([25, beta]), 1, '#Picture8 canvas')).darkest;
  assert.ok(await reading() > 200, 'no reading line yet');
  const box = await page.$eval('#Picture8 canvas', c => { const r = c.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; });
  await page.mouse.click(box[0] + (60 + 10) * box[2] / 110, box[1] + (100 - 20) * box[3] / 110);
  assert.ok(await reading() < 100, 'the line across from the curve at 60 degrees');

  await page.click('#command1'); // "Info"
  assert.ok(!(await shown()), 'the notes cover the graph');
  await page.click('#command1');
  assert.ok(await shown());
  // The index changes the graph: the reading goes, the caption follows.
  await page.$eval('#HScroll6', r => { r.value = 150; r.dispatchEvent(new Event('input')); });
  assert.equal(await page.$eval('#Label40', e => e.textContent), 'Einfalls- und Brechungswinkel für n = 1,5');
  assert.ok(await reading() > 200);
  await page.click('#Command2'); // "Markierungen löschen" takes the graph away
  assert.ok(!(await shown()));
  await page.close();
});

test('the protractor lies on the normal of the nearer surface', async () => {
  const page = await open();
  // A point of the left surface 400 above the axis; its normal points from the centre.
  const p = [LEFT.c[0] - Math.sqrt(LEFT.r ** 2 - 400 ** 2), -400];
  const n = unit(add(p, LEFT.c, -1));
  const onNormal = add(p, n, 60), across = add(p, [-n[1], n[0]], 60);
  assert.ok(!(await at(page, onNormal)).red);
  await page.click('#Picture6');
  assert.equal(await page.$eval('#Picture6', e => e.getAttribute('aria-pressed')), 'true');
  await page.press('left', p);
  assert.ok((await at(page, onNormal)).red, 'the red diameter on the normal');
  assert.ok((await at(page, across)).darkest < 100, 'the black one across it');
  assert.equal(await page.$eval('#Picture6', e => e.getAttribute('aria-pressed')), 'false', 'one click, one protractor');
  await page.close();
});

test('the operations equal those the desktop build records for the fullest scene', async () => {
  const page = await open();
  const { answer, count, kinds } = await compareFullest(page, 'lens');
  assert.ok(count > 10000, 'the fullest scene: 10 x 100 rays of three kinds, extended, with normals');
  assert.ok(kinds.size >= 4, 'lines, dots, circles and arcs');
  // The lesson's ray options show in the page's boxes.
  assert.deepEqual(Object.values(answer.checks), [1, 1, 1, 1, 1, 1, 1]);
  await page.close();
});
