// The benchmark page in headless Chromium: the mirror's fullest scene, full redraw and
// drag frame, at the picture size of the desktop benchmark (1844 x 922).
// Usage: node tests/bench.mjs [RUNS]
import { start } from './browser.mjs';

const chromium = await start();
try {
  const page = await chromium.page(1920, 1440, `bench.html?module=mirror&runs=${process.argv[2] || 30}`);
  await page.waitForFunction(() => document.body.dataset.results, { timeout: 120000 });
  const r = JSON.parse(await page.evaluate(() => document.body.dataset.results));
  const line = (name, s, target) => console.log(
    `${name.padEnd(40)} median ${s.median.toFixed(3).padStart(8)} ms   min ${s.min.toFixed(3).padStart(8)}   max ${s.max.toFixed(3).padStart(8)}   target ${target} ms  ${s.median <= target ? 'ok' : 'MISSED'}`);
  console.log(`mirror picture ${r.picture}, ${r.operations} drawing operations (Chromium ${await chromium.browser.version()})`);
  line('browser mirror: full redraw', r.fullRedraw, r.targets.fullRedraw);
  line('browser mirror: drag frame', r.dragFrame, r.targets.dragFrame);
} finally {
  await chromium.close();
}
