'use strict';
// A module's fullest scene (10 x 100 rays, every option and marker, as the desktop
// benchmark makes it) redrawn and dragged over; medians in milliseconds, the canvas
// rasterised before each time is taken (a one-pixel read forces it).
(async () => {
  while (!document.body.dataset.ready) await new Promise(r => setTimeout(r, 20));
  const { api, redraw, canvases, show, FULL, LIVE } = Varelo.testing;
  const module = new URLSearchParams(location.search).get('module');
  const fields = await (await fetch(`${module}.fullest.txt`)).text();
  const answer = show(api.setFields(fields));
  const flush = () => canvases.base.getContext('2d').getImageData(0, 0, 1, 1);
  const median = a => a.sort((x, y) => x - y)[a.length >> 1];
  const time = (runs, step) => {
    const ms = [];
    for (let i = 0; i < runs; i++) {
      const t = performance.now();
      step(i);
      flush();
      canvases.live.getContext('2d').getImageData(0, 0, 1, 1);
      ms.push(performance.now() - t);
    }
    return { median: median(ms), min: Math.min(...ms), max: Math.max(...ms) };
  };
  const runs = Number(new URLSearchParams(location.search).get('runs') || 30);
  const full = time(runs, () => redraw(FULL, answer.key));
  // A ray dragged from the current object point: each frame one move of the pointer.
  const { base } = canvases;
  show(api.mouse(0, 1, base.width * 0.45, base.height * 0.3));
  const drag = time(runs * 4, i => show(api.mouse(1, 1, base.width * 0.45, base.height * (0.3 + 0.001 * (i % 100)))));
  show(api.mouse(2, 1, base.width * 0.45, base.height * 0.3));
  const results = {
    module, picture: `${base.width} x ${base.height}`, operations: api.draw(FULL),
    fullRedraw: full, dragFrame: drag, targets: { fullRedraw: 16, dragFrame: 2 },
  };
  document.getElementById('results').textContent = JSON.stringify(results, null, 1);
  document.body.dataset.results = JSON.stringify(results);
})();
