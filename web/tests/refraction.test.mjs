// The two refraction pages in headless Chromium: the ray path and the imaging of points,
// used with the mouse and the keyboard, checked by canvas pixels at places computed here
// from Snell's law, and by the operations against the desktop build's for the fullest scenes.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { start, root } from './browser.mjs';
import { compareFullest, english } from './picture.mjs';

let chromium;
before(async () => { chromium = await start(); });
after(async () => { await chromium.close(); });

const deg = Math.PI / 180;

async function open(module) {
  const page = await chromium.page(1600, 1150, `?module=${module}`);
  page.at = (x, y) => page.evaluate((x, y) => Varelo.testing.toClient(x, y), x, y);
  // `held` runs before the release, on the live frame.
  page.drag = async (button, from, to, held = async () => {}) => {
    await page.mouse.move(...(await page.at(...from)));
    await page.mouse.down({ button });
    await page.mouse.move(...(await page.at(...to)), { steps: 4 });
    await held();
    await page.mouse.up({ button });
  };
  // The darkest grey (0 black, 255 white) within r device pixels of a world point, over the
  // picture and the live layer, how many pixels are near black, and whether a clearly red
  // one is among them; on the angle diagram (`diagram`), the point is in degrees.
  page.look = (p, r = 2, diagram = false) => page.evaluate(([x, y], r, diagram) => {
    const { base, live } = Varelo.testing.canvases;
    const layers = diagram ? [document.querySelector('#Picture6 canvas')] : [live, base];
    const [dx, dy] = diagram ? [(x + 10) / 110 * layers[0].width, (100 - y) / 110 * layers[0].height]
                             : Varelo.testing.toDevice(x, y);
    const n = 2 * r + 1, data = layers.map(c => c.getContext('2d').getImageData(Math.round(dx) - r, Math.round(dy) - r, n, n).data);
    let darkest = 255, black = 0, red = false;
    for (let i = 0; i < data[0].length; i += 4) {
      const px = data.find(d => d[i + 3]) || data[0], grey = (px[i] + px[i + 1] + px[i + 2]) / 3;
      darkest = Math.min(darkest, grey);
      black += grey < 60;
      red = red || (px[i] > 180 && px[i + 1] < 100 && px[i + 2] < 100);
    }
    return { darkest, black, red };
  }, p, r, diagram);
  page.inked = async (p, r, diagram) => (await page.look(p, r, diagram)).darkest < 235;
  page.field = id => page.$eval('#' + id, e => e.value ?? e.textContent);
  return page;
}

// ---- The ray path: P at (0, 500) under the interface y = 0, lower medium n = 1.33 ----

// The ray from P through the mouse at `m` meets the interface at hx; from the lower medium
// (index k relative to the upper) it leaves upward with sin(beta) = k sin(alpha), or is
// reflected in full beyond the critical angle.
function ray(m, k) {
  const P = [0, 500], hx = P[0] - P[1] * (m[0] - P[0]) / (m[1] - P[1]);
  const alpha = Math.atan(Math.abs(hx - P[0]) / P[1]), s = k * Math.sin(alpha), side = Math.sign(hx - P[0]);
  const beta = s < 1 ? Math.asin(s) : null;
  return {
    alpha, beta,
    refracted: t => [hx + side * t * Math.sin(beta), -t * Math.cos(beta)],
    straight: t => [hx + side * t * Math.sin(alpha), -t * Math.cos(alpha)],
    reflected: t => [hx + side * t * Math.sin(alpha), t * Math.cos(alpha)],
  };
}

test('a dragged ray is refracted by Snell\'s law, reflected in full beyond the critical angle; the index by keyboard', async () => {
  const page = await open('ray-path');
  await page.click('#Check3D3 input'); // "gespiegelte": the reflected rays too
  const partial = [-200, 200], total = [-350, 250];
  await page.drag('left', [-100, 350], partial);
  const r = ray(partial, 1.33);
  assert.ok(r.beta !== null && r.alpha < Math.asin(1 / 1.33));
  for (const t of [300, 600]) assert.ok(await page.inked(r.refracted(t)), `refracted ray at t = ${t}`);
  assert.ok(!(await page.inked(r.straight(600))), 'not straight on');
  // Partially reflected: grey, not black.
  const grey = (await page.look(r.reflected(400))).darkest;
  assert.ok(grey > 120 && grey < 235, `grey reflected ray (${grey})`);

  const q = ray(total, 1.33);
  await page.drag('left', [-200, 400], total, async () => {
    // The ray being dragged (from P through the mouse) over the stored one.
    assert.ok(await page.inked([-500, 500 - 500 * 250 / 350]), 'the live ray from P to the interface');
    assert.ok(await page.inked(r.refracted(600)), 'the stored ray under it');
  });
  assert.equal(q.beta, null, 'beyond the critical angle');
  assert.ok((await page.look(q.reflected(300))).darkest < 60, 'the totally reflected ray is black');
  assert.ok(!(await page.inked(q.straight(300))), 'no ray leaves the lower medium');

  // The index bar by keyboard: Home gives its least value, n = 0.5; the upper medium is the
  // denser one (index 1 / 0.5 = 2) and the first ray bends towards the normal.
  await page.focus('#HScroll1');
  await page.keyboard.press('Home');
  assert.deepEqual(await Promise.all(['Text3', 'Text2', 'Text1', 'Text4'].map(page.field)), ['2', '1.00', 'n = 2', 'n = 1 ']);
  const s = ray(partial, 0.5);
  assert.ok(await page.inked(s.refracted(600)), 'refracted towards the normal');
  assert.ok(!(await page.inked(r.refracted(600))), 'not as before');
  // Ctrl+Z takes the last ray back.
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  assert.ok(!(await page.inked(q.reflected(300))));
  assert.ok(await page.inked(s.refracted(600)));
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the angle diagram follows Snell\'s law and is read by clicks', async () => {
  const page = await open('ray-path');
  const shown = () => page.$eval('#Picture6', e => !e.hidden);
  assert.ok(!(await shown()));
  await page.click('#Picture4');
  assert.ok(await shown());
  assert.equal(await page.$eval('#Picture4', e => e.getAttribute('aria-pressed')), 'true');
  assert.equal(await page.field('Label2'), 'Einfalls- und Brechungswinkel für n = 1,33'); // the German decimal comma
  const refraction = a => Math.asin(Math.sin(a * deg) / 1.33) / deg;
  for (const a of [20, 45, 70, 90]) assert.ok(await page.inked([a, refraction(a)], 2, true), `curve at ${a}°`);
  assert.ok(!(await page.inked([60, 30], 2, true)));

  // A click at (40°, 10°), below the diagonal, reads the angle of refraction of 40°: up to
  // the curve and across. The first click after the diagram showed only unframes its symbol.
  const reading = [20, refraction(40)];
  const click = async () => page.mouse.click(...(await page.$eval('#Picture6 canvas', cv => {
    const r = cv.getBoundingClientRect();
    return [r.left + 50 / 110 * r.width, r.top + 90 / 110 * r.height];
  })));
  await click();
  assert.equal(await page.$eval('#Picture4', e => e.getAttribute('aria-pressed')), 'false');
  assert.ok(!(await page.inked(reading, 1, true)));
  await click();
  assert.ok(await page.inked(reading, 1, true), 'the reading line across');
  assert.ok(await page.inked([40, 15], 1, true), 'the reading line up');
  // Another index draws the diagram anew, for that index and without the reading.
  await page.$eval('#HScroll1', r => { r.value = 150; r.dispatchEvent(new Event('input')); });
  assert.ok(await page.inked([70, Math.asin(Math.sin(70 * deg) / 1.5) / deg], 2, true));
  assert.ok(!(await page.inked(reading, 1, true)));
  await page.close();
});

// ---- Imaging: O at (0, 500), the eye at (300, -500) ----

// The image of O seen by the eye through the interface: the ray reaching the eye (found by
// bisection), and where the backward extensions of its neighbours meet (the tangential
// image, on the caustic: depth D cos^3(beta) / (n cos^3(alpha))).
function image([ox, oy], [ex, ey], n) {
  const miss = x => {
    const s = n * Math.sin(Math.atan2(x - ox, oy));
    return Math.abs(s) < 1 ? x - ey * Math.tan(Math.asin(s)) - ex : Math.sign(s);
  };
  let lo = n > 1 ? ox - oy / Math.sqrt(n * n - 1) + 1e-6 : -3000, hi = n > 1 ? ox + oy / Math.sqrt(n * n - 1) - 1e-6 : 3000;
  for (let i = 0; i < 100; i++) { const m = (lo + hi) / 2; if (miss(m) > 0) hi = m; else lo = m; }
  const a = Math.atan2(lo - ox, oy), b = Math.asin(n * Math.sin(a));
  const y = oy * Math.cos(b) ** 3 / (n * Math.cos(a) ** 3);
  return [lo - y * Math.tan(b), y];
}

test('the image point lies where the refracted rays\' extensions meet, for other eyes and indices', async () => {
  const page = await open('imaging');
  assert.ok(await page.inked([350, -500]), 'the eye from the start');
  const O = [0, 500];
  const rows = [ // [eye moved to (left button), bar value, n]
    [null, 133, 1.33],
    [[-400, -600], 133, 1.33],
    [null, 150, 1.5],
    [null, 80, 0.8], // a thinner lower medium: the image lies deeper than O
  ];
  let eye = [300, -500];
  for (const [to, bar, n] of rows) {
    if (to) { await page.drag('left', eye, to); eye = to; }
    await page.$eval('#HScroll1', (r, v) => { r.value = v; r.dispatchEvent(new Event('input')); }, bar);
    const p = image(O, eye, n);
    assert.ok((await page.look(p, 3)).red, `image point at ${p.map(Math.round)} for the eye at ${eye}, n = ${n}`);
    assert.ok(!(await page.look([O[0], O[1] / n], 3)).red, 'not at the depth of a view from straight above');
  }
  assert.equal(await page.field('Text2'), ' n = 1,25'); // 1 / 0.8 above, with the German decimal comma
  // The eye stays above the interface; the object point below it: a press above it is refused.
  await page.mouse.move(...(await page.at(0, -300)));
  await page.mouse.down({ button: 'right' });
  assert.equal(await page.$eval('.live', e => e.style.cursor), 'no-drop');
  await page.mouse.up({ button: 'right' });
  assert.equal(await page.$eval('.live', e => e.style.cursor), 'default');
  await page.close();
});

test('point rows on the raster: snapped points with their images, undo, the raster erased', async () => {
  const page = await open('imaging');
  await page.click('#Option3D2 input'); // "Punktreihen"
  await page.click('#Raster input');
  assert.ok(await page.inked([-500, -500], 1), 'a raster dot');
  await page.drag('right', [-233, 412], [-233, 412]);
  const Q = [-250, 400]; // on the raster of 50, where a raster dot of one pixel lies too
  assert.ok((await page.look(Q, 1)).black >= 9, 'the row point, snapped');
  assert.ok((await page.look(image(Q, [300, -500], 1.33), 3)).red, 'its image');
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  assert.ok((await page.look(Q, 1)).black <= 2, 'Ctrl+Z took it back');
  await page.click('#Raster input');
  assert.ok(!(await page.inked([-500, -500], 1)), 'the raster erased');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the windows\' buttons go from one to the other; the main menu opens the ray path', async () => {
  const page = await chromium.page(1200, 900);
  const go = async selector => {
    const button = typeof selector === 'string' ? await page.$(selector)
      : await page.evaluateHandle(text => [...document.querySelectorAll('#window button')].find(b => b.textContent === text),
                                  selector.text);
    await Promise.all([page.waitForNavigation(), button.click()]);
    await page.waitForFunction(() => document.body.dataset.ready);
    return page.title();
  };
  assert.match(await go({ text: 'Brechung' }), /Strahlenverlauf$/);
  assert.match(await go('#Command5'), /Abbildung von Punkten$/); // "zur Abbildung von Punkten"
  assert.match(await go('#Command2'), /Strahlenverlauf$/); // "zum Strahlenverlauf"
  await page.close();
});

for (const module of ['ray-path', 'imaging']) {
  test(`${module}: the operations equal those the desktop build records for the fullest scene`, async () => {
    const page = await open(module);
    const { answer, count, fields } = await compareFullest(page, module, true);
    assert.ok(count > 500, 'the fullest scene: 100 rays or row points');
    // The controls show the lesson's options.
    const on = name => new RegExp(`^${name}=1$`, 'm').test(fields) ? 1 : 0;
    const checks = module === 'ray-path'
      ? { Check3D1: on('showRefracted'), Check3D2: on('extendRefracted'), Check3D3: on('showReflected'),
          Check3D4: on('extendReflected'), Check3D5: on('showNormals') }
      : { Option3D1: 1 - on('rowMode'), Option3D2: on('rowMode'), Raster: on('rasterOn') };
    assert.deepEqual(answer.checks, checks);
    if (module === 'ray-path') assert.equal(answer.visible.Picture6, on('diagramOn') === 1);
    await page.close();
  });
}

test('the ray path prints on one portrait sheet; its English page captions the diagram in English', async () => {
  const page = await open('ray-path');
  await page.evaluate(() => { window.print = () => {}; });
  page.on('dialog', d => d.accept('Brechung'));
  await page.click('#Command2');
  assert.match(await page.$eval('#print-sheet', e => e.textContent), /portrait/);
  const pdf = Buffer.from(await page.pdf({ preferCSSPageSize: true })).toString('latin1');
  assert.equal((pdf.match(/\/Type\s*\/Page\b/g) || []).length, 1);
  await page.close();
  const en = await chromium.page(1600, 1150, '?module=ray-path', 'en-US');
  await en.click('#Picture4');
  assert.equal(await en.$eval('#Label2', e => e.textContent),
               english('varelo::frmBre1', 'Einfalls- und Brechungswinkel für n = ') + '1.33');
  await en.close();
});
