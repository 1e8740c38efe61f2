// The benchmark page in headless Chromium: the mirror's and the lens's fullest scenes, full
// redraw and drag frame, at about the picture size of the desktop benchmark (1844 x 922).
// Usage: node tests/bench.mjs [RUNS]
import { start } from './browser.mjs';

const chromium = await start();
try {
  const line = (name, s, target) => console.log(
    `${name.padEnd(40)} median ${s.median.toFixed(3).padStart(8)} ms   min ${s.min.toFixed(3).padStart(8)}   max ${s.max.toFixed(3).padStart(8)}   target ${target} ms  ${s.median <= target ? 'ok' : 'MISSED'}`);
  for (const module of ['mirror', 'lens']) {
    const page = await chromium.page(1920, 1440, `bench.html?module=${module}&runs=${process.argv[2] || 30}`);
    await page.waitForFunction(() => document.body.dataset.results, { timeout: 120000 });
    const r = JSON.parse(await page.evaluate(() => document.body.dataset.results));
    console.log(`${module} picture ${r.picture}, ${r.operations} drawing operations (Chromium ${await chromium.browser.version()})`);
    line(`browser ${module}: full redraw`, r.fullRedraw, r.targets.fullRedraw);
    line(`browser ${module}: drag frame`, r.dragFrame, r.targets.dragFrame);
    await page.close();
  }
} finally {
  await chromium.close();
}
