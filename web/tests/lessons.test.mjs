// Lessons between the desktop and the page: a file the desktop saves opens in the page with
// the same scene, the page's file opens on the desktop with the same scene, the examples open
// from the menu, and damaged files get the desktop's messages and change nothing.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { start, root } from './browser.mjs';

let chromium, dir;
before(async () => {
  chromium = await start();
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'varelo-lessons-'));
});
after(async () => {
  await chromium.close();
  fs.rmSync(dir, { recursive: true, force: true });
});

const desktop = (...args) => execFileSync(path.join(root, 'build/varelo_webexport'), args,
  { env: { ...process.env, LANGUAGE: 'de', QT_QPA_PLATFORM: 'offscreen' }, stdio: 'ignore' });
const fieldsOf = text => Object.fromEntries(text.trim().split('\n').map(l => l.split('=')).map(([k, v]) => [k, Number(v)]));

test('a lesson saved on the desktop opens in the page, and the page\'s opens on the desktop', async () => {
  const saved = path.join(dir, 'voll.varelo');
  desktop('lesson', 'mirror', saved);
  const page = await chromium.page(1600, 1150, '?module=mirror');
  const { fields, text, objects } = await page.evaluate(async (text) => {
    const t = Varelo.testing;
    t.openLesson(text, 'voll.varelo', true);
    return { fields: t.api.fields(), text: t.api.lessonText(), objects: document.getElementById('Text11').value };
  }, fs.readFileSync(saved, 'utf8'));
  // The desktop's fullest scene: ten object points with a hundred rays each.
  assert.equal(objects, '   10');
  const back = path.join(dir, 'zurueck.varelo'), backFields = path.join(dir, 'zurueck.txt');
  fs.writeFileSync(back, text);
  desktop('read', back, backFields);
  const onDesktop = fieldsOf(fs.readFileSync(backFields, 'utf8')), inPage = fieldsOf(fields);
  assert.ok(Object.keys(onDesktop).length > 2000);
  assert.deepEqual(inPage, onDesktop);
  await page.close();
});

test('the examples open from the menu "Datei"', async () => {
  const page = await chromium.page(1600, 1150, '?module=mirror');
  const file = JSON.parse(fs.readFileSync(path.join(root, 'share/lessons/hohlspiegel-kaustik.varelo'), 'utf8'));
  await page.evaluate(() => [...document.querySelectorAll('#menubar [aria-haspopup]')].find(b => b.textContent === 'Datei').click());
  await page.evaluate(() => [...document.querySelectorAll('#menubar [role=menuitem]')]
    .find(b => b.textContent.startsWith('Hohlspiegel')).click());
  // The radius of the example's mirror, 12000 / curvature, in tenths; its number of objects.
  const radius = String(Math.round(12000 / file.mirror.curvature / 10));
  await page.waitForFunction(r => document.getElementById('Text3').value === r, { timeout: 5000 }, radius);
  assert.equal((await page.$eval('#Text11', e => e.value)).trim(), String(file.bundles.objectCount));
  await page.close();
});

test('an example chosen in the main menu opens in its module', async () => {
  const file = JSON.parse(fs.readFileSync(path.join(root, 'share/lessons/glaskugel.varelo'), 'utf8'));
  const page = await chromium.page(1600, 1150);
  await page.evaluate(() => [...document.querySelectorAll('#menubar [aria-haspopup]')].find(b => b.textContent === 'Datei').click());
  await Promise.all([page.waitForNavigation(), page.evaluate(() => [...document.querySelectorAll('#menubar [role=menuitem]')]
    .find(b => b.textContent.startsWith('Glaskugel')).click())]);
  await page.waitForFunction(() => document.body.dataset.ready);
  assert.equal(new URL(page.url()).searchParams.get('module'), file.module);
  const fields = fieldsOf(await page.evaluate(() => Varelo.testing.api.fields()));
  for (const [name, value] of Object.entries(file.lens)) assert.equal(fields[`lens.${name}`], value, name);
  await page.close();
});

test('a lesson of another module with a bad value leaves the open scene; big files are read or refused whole', async () => {
  const page = await chromium.page(1600, 1150, '?module=mirror');
  await page.click('#Command5');
  const before = await page.evaluate(() => Varelo.testing.api.fields());
  const ball = fs.readFileSync(path.join(root, 'share/lessons/glaskugel.varelo'), 'utf8');
  await page.evaluate(text => Varelo.testing.openLesson(text, 'kugel.varelo', true),
                      ball.replace(/"objectCount": \d+/, '"objectCount": 11'));
  assert.equal(await page.$eval('#message-text', e => e.textContent),
               'Die Lektion "kugel.varelo" enthält einen ungültigen Wert (bundles.objectCount) und wurde nicht geöffnet.');
  assert.equal(new URL(page.url()).searchParams.get('module'), 'mirror');
  assert.equal(await page.evaluate(() => Varelo.testing.api.fields()), before);
  await page.$eval('#message', d => d.close());
  // Two megabytes of blanks before a lesson: still a lesson.
  const mirror = fs.readFileSync(path.join(root, 'share/lessons/ebener-spiegel.varelo'), 'utf8');
  await page.evaluate(text => Varelo.testing.openLesson(text, 'weit.varelo', true), ' '.repeat(2e6) + mirror);
  assert.equal(await page.$eval('#message', d => d.open), false);
  // Beyond 10 MB: the desktop's message.
  await page.evaluate(text => Varelo.testing.openLesson(text, 'gross.varelo', true), ' '.repeat(10 * 1024 * 1024 + 1));
  assert.equal(await page.$eval('#message-text', e => e.textContent),
               'Die Datei "gross.varelo" ist zu groß für eine Lektion (mehr als 10 MB).');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('damaged lessons get the desktop\'s messages and change nothing', async () => {
  const good = fs.readFileSync(path.join(root, 'share/lessons/ebener-spiegel.varelo'), 'utf8');
  const cases = [
    ['Hallo', 'Die Datei "x.varelo" ist keine Varelo-Lektion oder ist beschädigt.'],
    [good.replace('"version": 1', '"version": 2'),
     'Die Lektion "x.varelo" wurde mit einer neueren Version von Varelo gespeichert und kann hier nicht geöffnet werden.'],
    [good.replace('"module": "mirror"', '"module": "prisma"'),
     'Die Lektion "x.varelo" gehört zu einem Teil von Varelo, den es hier nicht gibt.'],
    [good.replace(/"objectCount": \d+/, '"objectCount": 11'),
     'Die Lektion "x.varelo" enthält einen ungültigen Wert (bundles.objectCount) und wurde nicht geöffnet.'],
    ['['.repeat(100000), 'Die Datei "x.varelo" ist keine Varelo-Lektion oder ist beschädigt.'],
  ];
  const page = await chromium.page(1600, 1150, '?module=mirror');
  const before = await page.evaluate(() => Varelo.testing.api.fields());
  for (const [text, expected] of cases) {
    await page.evaluate(text => Varelo.testing.openLesson(text, 'x.varelo', true), text);
    assert.equal(await page.$eval('#message-text', e => e.textContent), expected);
    await page.$eval('#message', d => d.close());
  }
  assert.equal(await page.evaluate(() => Varelo.testing.api.fields()), before);
  assert.deepEqual(page.errors, []);
  await page.close();
});
