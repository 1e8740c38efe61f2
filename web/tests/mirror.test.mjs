// The mirror page in headless Chromium: used with the mouse and the keyboard as a person
// uses it, checked by the canvas pixels at places computed here from the geometry, and by
// the operations against the desktop build's for the same scene.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { start, root } from './browser.mjs';
import { look, device, compareFullest, english } from './picture.mjs';

let chromium;
before(async () => { chromium = await start(); });
after(async () => { await chromium.close(); });

// The start view: (-2000, -1000) to (2000, 1000); the object point at (-1600, -750).
const P = [-1600, -750];

async function open() {
  const page = await chromium.page(1600, 1150, '?module=mirror');
  page.at = async (x, y) => page.evaluate((x, y) => Varelo.testing.toClient(x, y), x, y);
  page.dragWith = async (button, from, to) => {
    const [x0, y0] = await page.at(...from);
    const [x1, y1] = await page.at(...to);
    await page.mouse.move(x0, y0);
    await page.mouse.down({ button });
    await page.mouse.move(x1, y1, { steps: 4 });
    await page.mouse.up({ button });
  };
  return page;
}

const field = (page, id) => page.$eval('#' + id, e => e.value);
// Not white: the pale extensions and antialiased thin lines included.
const inked = async (page, p, view, r = 2) => (await look(page, await device(page, p, view), r)).darkest < 235;

// The ray from P through Q, and the ray the plane mirror at x = 0 reflects: the same slope
// with the direction of x reversed.
const Q = [-300, -500];
const slope = (Q[1] - P[1]) / (Q[0] - P[0]);
const hitY = P[1] + (0 - P[0]) * slope;
const incident = x => [x, P[1] + (x - P[0]) * slope];
const reflected = x => [x, hitY - x * slope]; // x < 0: in front of the mirror
const extension = x => [x, hitY - x * slope]; // x > 0: behind it

test('a dragged ray is reflected by the law of reflection; extensions, normals and undo', async () => {
  const page = await open();
  await page.dragWith('left', [-200, -560], Q);
  assert.ok(await inked(page, incident(-800)), 'incident ray');
  assert.ok(await inked(page, reflected(-1000)), 'reflected ray');
  assert.ok(!(await inked(page, extension(800))), 'no extension yet');
  assert.ok(!(await inked(page, [-800, 300])), 'white away from the rays');

  await page.click('#Check3D5 input'); // " gespiegelte verlängern"
  assert.ok(await inked(page, extension(800)), 'extension behind the mirror');
  assert.ok(!(await look(page, await device(page, [-50, hitY]))).red, 'no normal yet');
  await page.click('#Check3D8 input'); // "Einfallslote einzeichnen": the normal at the hit point
  assert.ok((await look(page, await device(page, [-50, hitY]))).red, 'red normal');

  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  assert.ok(!(await inked(page, reflected(-1000))), 'Ctrl+Z took the ray back');
  await page.keyboard.down('Control');
  await page.keyboard.down('Shift');
  await page.keyboard.press('z');
  await page.keyboard.up('Shift');
  await page.keyboard.up('Control');
  assert.ok(await inked(page, reflected(-1000)), 'Ctrl+Shift+Z brought it back');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the right button moves the object point; the spin arrows step it', async () => {
  const page = await open();
  await page.dragWith('right', P, [-1200, 300]);
  // The fields show tenths, y upward.
  assert.equal(await field(page, 'Text8'), 'x=-120');
  assert.equal(await field(page, 'Text9'), 'y=-30');
  assert.ok(await inked(page, [-1200, 300]), 'the object point at its new place');
  assert.ok(!(await inked(page, P)), 'and not at the old');
  // The pointer's position while moving over the picture.
  const [x, y] = await page.at(500, -400);
  await page.mouse.move(x, y);
  assert.equal(await field(page, 'Text1'), 'x = 50');
  assert.equal(await field(page, 'Text2'), 'y = 40');
  // Keyboard: the focus on the arrow "Objektpunkt nach rechts", Enter steps it.
  // Towards the mirror x becomes 0.9 x.
  await page.focus('#Spin2 button:nth-child(2)');
  await page.keyboard.press('Enter');
  assert.equal(await field(page, 'Text8'), 'x=-108');
  await page.close();
});

test('zoom and pan change the view by the steps of the desktop window', async () => {
  const page = await open();
  await page.dragWith('left', [-200, -560], Q);
  await page.click('#Spin1 button:nth-child(1)'); // "Zoom vergrößern"
  assert.equal(await field(page, 'Text10'), '125%');
  // One step in: the view is 4000 / 1.25 wide around the centre.
  let view = [-1600, -800, 3200, 1600];
  assert.ok(await inked(page, incident(-800), view));
  assert.ok(!(await inked(page, [-800, 300], view)));
  // The horizontal bar moves the view's centre to x = 400.
  await page.$eval('#HScroll1', r => { r.value = 400; r.dispatchEvent(new Event('input')); });
  view = [-1200, -800, 3200, 1600];
  assert.ok(await inked(page, reflected(-1000), view));
  // An arrow key moves the bar by its small change, a fortieth of the view: 3200 / 40.
  await page.focus('#HScroll1');
  await page.keyboard.press('ArrowRight');
  view = [-1120, -800, 3200, 1600];
  assert.ok(await inked(page, reflected(-1000), view));
  assert.equal(await page.$eval('#HScroll1', r => r.value), '480');
  await page.click('#Spin1 button:nth-child(2)');
  await page.click('#Spin1 button:nth-child(2)');
  assert.equal(await field(page, 'Text10'), '80%');
  await page.close();
});

test('mirror parameters, markers and the capacity of object points', async () => {
  const page = await open();
  // Curvature 14 to the right: a concave mirror of radius 12000 / 14, shown in tenths.
  await page.$eval('#HScroll2', r => { r.value = 14; r.dispatchEvent(new Event('input')); });
  assert.equal(await field(page, 'Text3'), String(Math.round(-12000 / 14 / 10)));
  // An eye, a point mark and the raster.
  await page.click('#Picture3');
  assert.equal(await page.$eval('#Picture3', e => e.getAttribute('aria-pressed')), 'true');
  const [ex, ey] = await page.at(-1000, 700);
  await page.mouse.click(ex, ey);
  assert.ok(await inked(page, [-1000, 700], undefined, 30), 'the eye');
  // The raster: dots every 4000 / 40 by 2000 / 20 from the view's corner.
  assert.ok(!(await inked(page, [-1500, 500], undefined, 1)));
  await page.click('#Picture4');
  assert.ok(await inked(page, [-1500, 500], undefined, 1), 'a raster dot');
  // Ten object points are the most: the eleventh is refused with the desktop's message.
  for (let k = 1; k < 10; k++) await page.click('#Command5');
  assert.equal(await field(page, 'Text11'), '   10');
  await page.click('#Command5');
  assert.equal(await page.$eval('#message-text', e => e.textContent), 'Nur 10 Objekte möglich');
  assert.ok(await page.$eval('#message', d => d.open));
  await page.keyboard.press('Enter');
  assert.ok(!(await page.$eval('#message', d => d.open)), 'Enter closes the message');
  assert.equal(await field(page, 'Text11'), '   10');
  await page.close();
});

test('the "Ansicht" menu by keyboard: the paraxial image of a concave mirror', async () => {
  const page = await open();
  await page.$eval('#HScroll2', r => { r.value = 14; r.dispatchEvent(new Event('input')); });
  // f = r / 2 with r = 12000 / 14; the object 1600 in front of the vertex and 750 above the
  // axis: 1/b = 1/f - 1/g, the image at -b, y scaled by -b/g.
  const f = 12000 / 14 / 2, g = 1600, b = 1 / (1 / f - 1 / g);
  const image = [-b, 750 * b / g];
  assert.ok(!(await look(page, await device(page, image), 8)).red);
  await page.evaluate(() => [...document.querySelectorAll('#menubar [aria-haspopup]')].find(b => b.textContent === 'Ansicht').focus());
  await page.keyboard.press('ArrowDown');
  for (let i = 0; i < 10; i++) {
    const text = await page.evaluate(() => document.activeElement.textContent);
    if (text.startsWith('Paraxiales Bild')) break;
    await page.keyboard.press('ArrowDown');
  }
  await page.keyboard.press('Enter');
  assert.ok((await look(page, await device(page, image), 8)).red, 'the red circle at the paraxial image');
  assert.equal(await page.$eval('[role=menuitemcheckbox][aria-checked=true]', e => e.textContent.trim()), 'Paraxiales Bild');
  // F5 is the presentation look's key; the focus is back on the menu's title.
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Ansicht');
  await page.keyboard.press('F5');
  assert.equal(await page.$eval('[aria-keyshortcuts=F5]', e => e.getAttribute('aria-checked')), 'true');
  // The focal point's label stays when only the new object point is drawn.
  await page.evaluate(() => [...document.querySelectorAll('#menubar [aria-haspopup]')].find(b => b.textContent === 'Ansicht').focus());
  await page.keyboard.press('ArrowDown');
  for (let i = 0; i < 10; i++) {
    if ((await page.evaluate(() => document.activeElement.textContent)).startsWith('Brennpunkte')) break;
    await page.keyboard.press('ArrowDown');
  }
  await page.keyboard.press('Enter');
  const F = await device(page, [-f, 0]);
  const darkAround = () => page.evaluate(([x, y]) => {
    const d = Varelo.testing.canvases.base.getContext('2d').getImageData(x - 20, y, 40, 40).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) n += d[i] + d[i + 1] + d[i + 2] < 300;
    return n;
  }, F.map(Math.round));
  const before = await darkAround();
  assert.ok(before > 10, 'the label F under the focal point');
  await page.click('#Command5');
  assert.ok(await darkAround() >= before - 2, 'still there after the new object point');
  await page.close();
});

test('the presentation look (F5) sets the lines antialiased, as on the desktop', async () => {
  const page = await open();
  await page.dragWith('left', [-200, -560], Q);
  // The grey levels around the incident ray: one or two in whole pixels, many where the
  // edge pixels are mixed by their coverage.
  const levels = async () => {
    const [x, y] = await device(page, incident(-800));
    return page.evaluate((x, y) => {
      const d = Varelo.testing.canvases.base.getContext('2d').getImageData(x - 20, y - 20, 41, 41).data;
      const seen = new Set();
      for (let i = 0; i < d.length; i += 4) if (d[i] < 250) seen.add(d[i] + ',' + d[i + 1] + ',' + d[i + 2]);
      return seen.size;
    }, Math.round(x), Math.round(y));
  };
  assert.ok(await levels() <= 2, 'the screen look: whole pixels');
  await page.keyboard.press('F5');
  assert.ok(await levels() > 5, 'edge pixels mixed by their coverage');
  await page.close();
});

test('"Info" lays the operating notes over the picture; the didactic notes open from there', async () => {
  const page = await open();
  const visible = id => page.$eval('#' + id, e => !e.hidden && e.offsetParent !== null);
  assert.ok(!(await visible('Command8')));
  await page.click('#Command7');
  assert.match(await page.$eval('.notes-layer', e => e.textContent), /Bedienungshinweise/);
  assert.ok(!(await visible('Label6')), 'the hint goes while the notes show');
  await page.click('#Command8');
  assert.ok(await page.$eval('#info', d => !d.hidden));
  assert.match(await page.$eval('#info', d => d.textContent), /Reflexionsgesetz/);
  assert.ok(!(await page.$eval('.notes-layer', e => !e.hidden)), 'the notes close for the didactic notes');
  await page.close();
});

test('the main menu opens the mirror module; its menu button comes back', async () => {
  const page = await chromium.page(1200, 900);
  const buttons = await page.$$eval('#window button', bs => bs.filter(b => !b.hidden).map(b => [b.textContent, b.disabled]));
  assert.deepEqual(buttons.find(b => b[0] === 'Reflexion'), ['Reflexion', false]);
  await Promise.all([page.waitForNavigation(), page.click('#window button:not([disabled])')]);
  await page.waitForFunction(() => document.body.dataset.ready);
  assert.match(await page.title(), /^Ebene und sphärische Spiegel +als Bündel-Wandler$/);
  await Promise.all([page.waitForNavigation(), page.click('#Command9')]);
  await page.waitForFunction(() => document.body.dataset.ready);
  assert.equal(await page.title(), 'Varelo');
  await page.close();
});

test('controls carry the desktop window names for screen readers', async () => {
  const page = await open();
  const tree = await page.accessibility.snapshot({ interestingOnly: true });
  const names = [];
  (function walk(n) { if (n.name) names.push(`${n.role}:${n.name}`); (n.children || []).forEach(walk); })(tree);
  for (const expected of ['button:Neues Objekt', 'slider:Krümmung des Spiegels', 'button:Zoom vergrößern',
                          'button:Auge setzen', 'checkbox:Einfallslote einzeichnen', 'image:Bildfeld'])
    assert.ok(names.includes(expected), `${expected} in ${names.join(', ')}`);
  await page.close();
});

test('the operations equal those the desktop build records for the fullest scene', async () => {
  const page = await open();
  const { count, kinds } = await compareFullest(page, 'mirror');
  assert.ok(count > 4000, 'the fullest scene: 10 x 100 rays and every marker');
  assert.ok(kinds.size >= 3, 'lines, dots and circles');
  await page.close();
});

test('"Bild speichern" downloads the picture as the typed name says; "Bild drucken" makes the titled page', async () => {
  const page = await open();
  const dir = fs.mkdtempSync(path.join(root, 'build-web', 'downloads-'));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: dir });
  await page.$eval('#HScroll2', r => { r.value = 14; r.dispatchEvent(new Event('input')); });
  await page.dragWith('left', [-200, -560], Q);
  const answers = ['bild.svg', 'bild.bmp', '', 'Hohlspiegel – Probe'];
  page.on('dialog', d => d.accept(answers.shift()));
  const saved = async name => {
    for (let i = 0; i < 100 && !fs.existsSync(path.join(dir, name)); i++) await new Promise(r => setTimeout(r, 50));
    return fs.readFileSync(path.join(dir, name));
  };
  await page.click('#Command4');
  const svg = (await saved('bild.svg')).toString();
  assert.match(svg, /^<svg [^>]*width="\d+"/);
  assert.ok((svg.match(/<line /g) || []).length >= 3, 'the ray, its reflection and the axis as lines');
  await page.click('#Command4');
  const bmp = await saved('bild.bmp');
  const [w, h] = await page.evaluate(() => [Varelo.testing.canvases.base.width, Varelo.testing.canvases.base.height]);
  assert.equal(bmp.toString('latin1', 0, 2), 'BM');
  assert.equal(bmp.length, 54 + ((w * 3 + 3) & ~3) * h);
  // Nothing typed: the desktop's name, as a bitmap.
  await page.click('#Command4');
  assert.equal((await saved('Spiegel.bmp')).toString('latin1', 0, 2), 'BM');
  // The printed page: the title, the mirror's parameters (r = 12000 / -14, the opening
  // 2 x 600 and f = r / 2, in tenths) and the scale bar's labels.
  // The browser's print dialog is counted here; the sheet is printed below as it would print.
  await page.evaluate(() => { window.print = () => { window.printed = (window.printed || 0) + 1; }; });
  await page.click('#Command3');
  assert.equal(await page.evaluate(() => window.printed), 1);
  const texts = await page.evaluate(() => {
    const { api } = Varelo.testing, n = api.printPage('Hohlspiegel – Probe', 15704, 10772, 200), out = [];
    for (let i = 0; i < n; i++) if (api.opText(i)) out.push(api.opText(i));
    return out;
  });
  const r = Math.round(-12000 / 14 / 10), f = Math.round(-12000 / 14 / 2 / 10);
  assert.deepEqual(texts.slice(0, 4), ['Hohlspiegel – Probe', `Spiegelparameter: r = ${r}`, 'Durchmesser der Öffnung = 120',
                                       `Brennweite nach Formel f = ${f}`]);
  assert.deepEqual(texts.slice(4), ['0', '50', '100', '150', '200']);
  assert.match(await page.$eval('#print-sheet', e => e.textContent), /landscape/);
  const inked = await page.$eval('#print-page', c => {
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height / 8).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) n += d[i] < 128;
    return n;
  });
  assert.ok(inked > 200, 'the title printed at the top');
  // On paper: one sheet (Chromium prints the page as its print dialog would).
  const pdf = Buffer.from(await page.pdf({ preferCSSPageSize: true })).toString('latin1');
  assert.equal((pdf.match(/\/Type\s*\/Page\b/g) || []).length, 1);
  fs.rmSync(dir, { recursive: true, force: true });
  await page.close();
});

test('touch: a held finger moves the object point, two fingers zoom', async () => {
  const page = await open();
  // A touch screen (the page loads again).
  await page.setViewport({ width: 1600, height: 1150, hasTouch: true });
  await page.waitForFunction(() => document.body.dataset.ready);
  const cdp = await page.createCDPSession();
  const touch = (type, points) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([x, y], id) => ({ x, y, id })),
  });
  // Held 0.6 s on P, then moved: P goes with the finger, as with the right button.
  const [px, py] = await page.at(...P), [tx, ty] = await page.at(-1200, 300);
  await touch('touchStart', [[px, py]]);
  await new Promise(r => setTimeout(r, 800));
  for (let i = 1; i <= 4; i++) await touch('touchMove', [[px + (tx - px) * i / 4, py + (ty - py) * i / 4]]);
  await touch('touchEnd', []);
  assert.equal(await field(page, 'Text8'), 'x=-120');
  assert.equal(await field(page, 'Text9'), 'y=-30');
  // A quick stroke is the left button: a ray, and P stays.
  const [ax, ay] = await page.at(-900, 0);
  await touch('touchStart', [[ax, ay]]);
  await touch('touchMove', [[ax + 5, ay + 5]]);
  await touch('touchEnd', []);
  assert.equal(await field(page, 'Text8'), 'x=-120');
  // Two fingers moving apart by more than 1.25 times: one zoom step in.
  await touch('touchStart', [[700, 300], [800, 300]]);
  await touch('touchMove', [[680, 300], [820, 300]]);
  await touch('touchEnd', []);
  assert.equal(await field(page, 'Text10'), '125%');
  await page.close();
});

test('a browser whose first language is not German gets the English page', async () => {
  const page = await chromium.page(1600, 1150, '?module=mirror', 'fr-FR');
  assert.equal(await page.$eval('#Command5', e => e.textContent), english('varelo::frmSpieg', 'Neues Objekt'));
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
  // The core's texts too: the refusal of an eleventh object point.
  for (let k = 1; k <= 10; k++) await page.click('#Command5');
  assert.equal(await page.$eval('#message-text', e => e.textContent), english('varelo::ObjectBundles', 'Nur 10 Objekte möglich'));
  await page.close();
});
