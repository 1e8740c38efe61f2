// Every module page used at random through its own controls' handlers (from the window's
// exported table), the picture and its small pictures, with values off every range; then
// damaged lesson fields. The page must not fail, the scene must stay one a lesson may hold,
// and a refused lesson must change nothing.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { start } from './browser.mjs';

let chromium;
before(async () => { chromium = await start(); });
after(async () => { await chromium.close(); });

for (const module of ['mirror', 'ray-path', 'imaging', 'lens']) {
  test(`random use of the ${module} page and damaged lessons`, async () => {
    const page = await chromium.page(1600, 1150, `?module=${module}`);
    const result = await page.evaluate(() => {
      const { api, show, controls } = Varelo.testing;
      let seed = 7;
      const random = n => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
      // What the page can send: each control's handler with its member, but not those that
      // leave the page or open the browser's dialogs (saving, printing, the menu, notes).
      const events = [], small = [];
      const dialogs = new Set(Object.values(Varelo.testing.windowTable.slots || {}));
      for (const [member, { row }] of Object.entries(controls)) {
        if (row.kind === 'spin') events.push([row.handler + '_SpinUp', member], [row.handler + '_SpinDown', member]);
        else if (row.kind === 'picture' && controls[member].el.classList.contains('small-picture')) small.push(member);
        else if (row.kind === 'symbol' && !row.handler) events.push([member + '_MouseDown', member]);
        else if (row.handler && !dialogs.has(row.handler) && row.kind !== 'picture') events.push([row.handler, member]);
        if (row.kind === 'hscroll' || row.kind === 'vscroll') events.push([member + '_Pressed', member]);
      }
      events.push(['Undo', ''], ['Redo', ''], ['Picture1_DropLive', ''], ['Redraw', ''], ['View', '']);
      const { base } = Varelo.testing.canvases;
      const wild = () => [random(80000) - 40000, random(3), NaN, 1e300, -1][random(5)];
      for (let i = 0; i < 2000; i++) {
        const r = random(10);
        let answer;
        if (r < 5) {
          // Presses, moves and releases anywhere, off the picture too.
          answer = api.mouse(random(3), random(3), random(base.width * 2) - base.width / 2, random(base.height * 2) - base.height / 2);
        } else if (r < 6 && small.length) {
          answer = api.pictureMouse(small[random(small.length)], random(3), 1 + random(2), random(400) - 100, random(300) - 100, 169, 97);
        } else {
          const [name, member] = events[random(events.length)];
          answer = api.event(name, member, r < 8 ? random(64) : wild(), random(2), random(2));
        }
        // A page to go to (the other refraction window) is not followed here.
        if (!JSON.parse(answer).open) show(answer);
      }
      document.querySelectorAll('dialog[open]').forEach(d => d.close());
      const valid = JSON.parse(api.setFields(api.fields())).faults === undefined;
      const before = api.fields();
      const faults = ['bundles.objectCount=11', 'relIndex=1e308', 'zoomFactor=NaN', 'x=abc', '',
                      before.replace(/^(\S+)=.*$/m, '$1=1e9')].map(f => JSON.parse(api.setFields(f)).faults);
      return { valid, faults, unchanged: api.fields() === before };
    });
    assert.ok(result.valid, 'the state after random use is a valid lesson');
    assert.ok(result.faults.every(f => typeof f === 'string' && f.length > 0), JSON.stringify(result.faults));
    assert.ok(result.unchanged, 'a refused lesson changes nothing');
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}
