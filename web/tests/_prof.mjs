import { start } from './browser.mjs';
const b = await start();
const p = await b.page(1920, 1440);
const r = await p.evaluate(async () => {
  const { api, redraw, canvases, show, FULL, core } = Varelo.testing;
  const fields = await (await fetch('mirror.fullest.txt')).text();
  const ans = show(api.setFields(fields));
  const ctx = canvases.base.getContext('2d');
  const flush = () => ctx.getImageData(0, 0, 1, 1);
  const T = f => { const t = performance.now(); for (let i = 0; i < 10; i++) { f(); flush(); } return (performance.now() - t) / 10; };
  const n = api.draw(FULL);
  const p = api.ops() / 8, a = core.HEAPF64;
  const counts = {};
  for (let i = 0; i < n; i++) { const k = a[p+i*10] + '/' + a[p+i*10+8] + '/' + a[p+i*10+9]; counts[k] = (counts[k]||0)+1; }
  const T0 = f => { const t = performance.now(); for (let i = 0; i < 10; i++) f(); return (performance.now() - t) / 10; };
  return { coreOnly: T0(() => api.draw(FULL)), flushOnly: T0(flush), lines: T(() => { ctx.beginPath(); for (let i = 0; i < 3000; i++) { ctx.moveTo(i % 1800, 0); ctx.lineTo(1800 - i % 1800, 900); } ctx.stroke(); }), dotted: T(() => { ctx.setLineDash([1,2]); ctx.beginPath(); for (let i = 0; i < 1000; i++) { ctx.moveTo(i % 1800, 0); ctx.lineTo(1800 - i % 1800, 900); } ctx.stroke(); ctx.setLineDash([]); }), coreDraw: T(() => api.draw(FULL)), full: T(() => redraw(FULL, ans.key)), clear: T(() => { ctx.fillStyle='#fff'; ctx.fillRect(0,0,2000,1000); }), counts };
});
console.log(JSON.stringify(r));
await b.close();
