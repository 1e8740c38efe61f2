'use strict';
// A module window in the browser (?module=mirror, ray-path, imaging): its controls made from
// the desktop window's control table (MODULE.controls.json, exported by the desktop build),
// its rules and drawing from the core compiled to WebAssembly (varelo_core.js). The page
// only shows what the core answers: texts, faces, bars and the drawing operations, painted
// on two canvases (the picture, and over it the live ray or mark being dragged).
const Varelo = (() => {
  // The layers of a redraw, as the core numbers them.
  const CLEAR = 1, ELEMENT = 2, BUNDLES = 4, MARKERS = 8, LIVE = 16, RASTER = 32;
  const FULL = CLEAR | ELEMENT | BUNDLES | MARKERS | RASTER;
  // The kinds of the drawing operations.
  const CLS = 0, LINE = 1, PSET = 2, CIRCLE = 3, ARC = 4, TEXT = 5, FONTSIZE = 6;
  const DOTTED = 2, DASHDOT = 3, OP_NUMBERS = 10;

  let core, api, spec, opened = false;
  const controls = {}; // member -> { spec, el }
  let picture, base, live, baseCtx, liveCtx;
  let baseKey = null; // the scene key the base canvas shows in full; null: not in full
  let baseLayers = FULL; // the layers of the picture a live frame is drawn over (the module says)
  let scale = 1, ratio = 1;
  let pressed = 0; // the mouse button held in the picture
  let barDragging = false;
  const stats = { drawMs: 0, ops: 0 };

  async function start() {
    const module = new URLSearchParams(location.search).get('module');
    if (!module) return startMenu();
    spec = await (await fetch(`${module}.controls.json`)).json();
    core = await VareloCore();
    api = {
      open: core.cwrap('vw_open', 'number', ['string', 'number', 'number', 'number', 'number', 'number', 'number']),
      resize: core.cwrap('vw_resize', null, ['number', 'number']),
      pixels: core.cwrap('vw_pixels', 'number', []),
      mouse: core.cwrap('vw_mouse', 'string', ['number', 'number', 'number', 'number']),
      event: core.cwrap('vw_event', 'string', ['string', 'string', 'number', 'number', 'number']),
      drawBase: core.cwrap('vw_draw_base', 'number', []),
      drawPicture: core.cwrap('vw_draw_picture', 'number', ['string', 'number', 'number']),
      pictureMouse: core.cwrap('vw_picture_mouse', 'string', ['string', 'number', 'number', 'number', 'number', 'number', 'number']),
      draw: core.cwrap('vw_draw', 'number', ['number']),
      drawExtra: core.cwrap('vw_draw_extra', 'number', []),
      ops: core.cwrap('vw_ops', 'number', []),
      opText: core.cwrap('vw_op_text', 'string', ['number']),
      scale: core.cwrap('vw_scale', 'number', ['number']),
      setFields: core.cwrap('vw_set_fields', 'string', ['string']),
      fields: core.cwrap('vw_fields', 'string', []),
    };
    document.title = spec.title;
    buildViewMenu();
    build();
    layout();
    const view = spec.view0;
    api.open(spec.module, base.width, base.height, view[0], view[1], view[2], view[3]);
    opened = true;
    for (const c of spec.controls)
      if ((c.kind === 'symbol' || isSmallPicture(c.member)) && !controls[c.member].el.hidden) paintPicture(c.member);
    // The first picture, as the window draws it when it opens.
    send('Form_Load');
    window.addEventListener('resize', () => { layout(); api.resize(base.width, base.height); send('Redraw'); });
    document.addEventListener('keydown', keys);
    document.body.dataset.ready = '1';
  }

  // ---- The main menu: a button for each module ----

  async function startMenu() {
    const menu = await (await fetch('menu.json')).json();
    // A module whose rules the core cannot run in the page yet stays unavailable.
    core = await VareloCore();
    const runs = name => core.ccall('vw_open', 'number', ['string', 'number', 'number', 'number', 'number', 'number', 'number'],
                                    [name, 1, 1, 0, 0, 1, 1]) === 1;
    document.title = menu.title;
    const win = document.getElementById('window');
    win.setAttribute('aria-label', menu.title);
    const place = () => {
      scale = Math.min(window.innerWidth / menu.width, window.innerHeight / menu.height);
      win.style.width = menu.width * scale + 'px';
      win.style.height = menu.height * scale + 'px';
      win.style.top = '0';
      for (const [i, item] of menu.items.entries()) {
        Object.assign(win.children[i].style, {
          left: item.x * scale + 'px', top: item.y * scale + 'px', width: item.w * scale + 'px',
          height: item.h * scale + 'px', fontSize: item.px * scale + 'px', fontWeight: item.bold ? 'bold' : 'normal',
        });
      }
    };
    for (const item of menu.items) {
      let el;
      if (item.kind === 'button') {
        el = document.createElement('button');
        el.textContent = item.text;
        if (item.description) el.title = item.description;
        // A module opens in the page; the browser has no program to end.
        if (item.module) {
          el.disabled = !runs(item.module);
          el.addEventListener('click', () => { location.search = `?module=${item.module}`; });
        } else {
          el.hidden = true;
        }
      } else {
        el = document.createElement('div');
        el.className = 'label';
        el.textContent = item.text;
      }
      win.appendChild(el);
    }
    place();
    window.addEventListener('resize', place);
    document.body.dataset.ready = '1';
  }

  // ---- Controls from the table ----

  function build() {
    const win = document.getElementById('window');
    win.setAttribute('aria-label', spec.title);
    for (const c of spec.controls) {
      const el = make(c);
      el.id = c.member;
      el.classList.add(c.kind);
      if (!c.visible) el.hidden = true;
      if (c.description && c.kind !== 'label' && c.kind !== 'wraplabel') el.title = c.description;
      (c.parent ? controls[c.parent].el : win).appendChild(el);
      controls[c.member] = { spec: c, el };
    }
  }

  function make(c) {
    const name = c.name || c.text || '';
    switch (c.kind) {
    case 'label':
    case 'wraplabel': {
      const d = document.createElement('div');
      d.textContent = c.text;
      return d;
    }
    case 'button': {
      const b = document.createElement('button');
      b.textContent = c.text;
      b.addEventListener('click', () => click(c.handler, c.member));
      return b;
    }
    case 'check':
    case 'option': {
      const l = document.createElement('label');
      const i = document.createElement('input');
      i.type = c.kind === 'option' ? 'radio' : 'checkbox';
      if (c.kind === 'option') i.name = c.handler;
      i.checked = c.checked;
      i.addEventListener('change', () => click(c.handler, c.member, i.checked ? 1 : 0));
      l.append(i, document.createTextNode(c.text.trim()));
      return l;
    }
    case 'textbox': {
      const t = document.createElement('input');
      t.readOnly = true;
      t.value = c.text;
      t.setAttribute('aria-label', name);
      return t;
    }
    case 'hscroll':
    case 'vscroll':
      return bar(c, name);
    case 'spin': {
      const d = document.createElement('div');
      d.setAttribute('role', 'group');
      ['▲', '▼'].forEach((arrow, k) => {
        const b = document.createElement('button');
        b.textContent = arrow;
        b.setAttribute('aria-label', c.spinNames[k]);
        b.title = c.spinNames[k];
        b.addEventListener('click', () => click(c.handler + (k === 0 ? '_SpinUp' : '_SpinDown')));
        d.appendChild(b);
      });
      return d;
    }
    case 'symbol': {
      const b = document.createElement('button');
      b.setAttribute('aria-label', name);
      b.setAttribute('aria-pressed', 'false');
      b.appendChild(document.createElement('canvas'));
      // A symbol without a click handler acts on the press (as a key press on the desktop).
      b.addEventListener('click', () => click(c.handler || c.member + '_MouseDown', c.member));
      return b;
    }
    case 'picture':
      return picture ? makeSmallPicture(c, name) : makePicture(c, name);
    }
    return document.createElement('div');
  }

  function bar(c, name) {
    // The pan bars have no handler in the table: the window gives them to its zoom.
    const handler = c.handler || c.member + '_Change';
    const r = document.createElement('input');
    r.type = 'range';
    r.setAttribute('aria-label', name);
    setBar(r, [c.range.min, c.range.max, c.range.small, c.range.large, c.range.value]);
    r.addEventListener('pointerdown', () => {
      barDragging = true;
      if (c.member === 'HScroll2') send('HScroll2_Pressed');
    });
    r.addEventListener('pointerup', () => {
      barDragging = false;
      send(handler, +r.value, 0); // the settled value, drawn as a release draws it
    });
    r.addEventListener('input', () => send(handler, +r.value, barDragging ? 1 : 0));
    // Page keys move by the bar's large change, as on the desktop.
    r.addEventListener('keydown', e => {
      if (e.key !== 'PageUp' && e.key !== 'PageDown') return;
      e.preventDefault();
      r.value = +r.value + (e.key === 'PageDown' ? 1 : -1) * +r.dataset.large;
      r.dispatchEvent(new Event('input'));
    });
    return r;
  }

  function setBar(r, [min, max, small, large, value]) {
    r.min = min;
    r.max = max;
    r.step = 1;
    r.dataset.small = small;
    r.dataset.large = large;
    r.value = value;
  }

  function makePicture(c, name) {
    picture = document.createElement('div');
    base = document.createElement('canvas');
    live = document.createElement('canvas');
    live.className = 'live';
    live.tabIndex = 0;
    live.setAttribute('role', 'img');
    live.setAttribute('aria-label', name);
    picture.append(base, live);
    baseCtx = base.getContext('2d');
    liveCtx = live.getContext('2d');
    live.addEventListener('contextmenu', e => e.preventDefault());
    live.addEventListener('pointerdown', e => {
      if (e.button !== 0 && e.button !== 2) return;
      pressed = e.button === 0 ? 1 : 2;
      live.setPointerCapture(e.pointerId);
      live.focus();
      mouse(0, pressed, e);
    });
    live.addEventListener('pointermove', e => mouse(1, pressed, e));
    live.addEventListener('pointerup', e => {
      if (!pressed) return;
      const b = pressed;
      pressed = 0;
      mouse(2, b, e);
    });
    return picture;
  }

  // ---- The "Ansicht" menu: the view options of the core's table ----

  const viewItems = {}; // bit -> menu item
  function plain(text) { return text.replace(/&(.)/, '$1'); }

  function buildViewMenu() {
    const v = spec.view;
    if (!v || !v.title) return;
    const bar = document.getElementById('menubar');
    const holder = document.createElement('div');
    const opener = document.createElement('button');
    opener.textContent = plain(v.title);
    opener.setAttribute('role', 'menuitem');
    opener.setAttribute('aria-haspopup', 'menu');
    opener.setAttribute('aria-expanded', 'false');
    const menu = document.createElement('div');
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', plain(v.title));
    menu.hidden = true;
    const item = (text, key, role) => {
      const b = document.createElement('button');
      b.setAttribute('role', role);
      b.tabIndex = -1;
      const t = document.createElement('span');
      t.textContent = plain(text);
      b.appendChild(t);
      if (key) {
        const k = document.createElement('span');
        k.className = 'key';
        k.textContent = key;
        b.appendChild(k);
        b.setAttribute('aria-keyshortcuts', key);
      }
      menu.appendChild(b);
      return b;
    };
    for (const o of v.options) {
      const b = item(o.text, o.key, 'menuitemcheckbox');
      b.setAttribute('aria-checked', 'false');
      b.addEventListener('click', () => { close(); toggleView(o.bit); });
      viewItems[o.bit] = b;
    }
    if (v.fullscreen) {
      const b = item(v.fullscreen.text, v.fullscreen.key, 'menuitem');
      b.addEventListener('click', () => { close(); fullScreen(); });
    }
    const items = () => [...menu.querySelectorAll('button')];
    const close = () => { menu.hidden = true; opener.setAttribute('aria-expanded', 'false'); };
    const open = () => { menu.hidden = false; opener.setAttribute('aria-expanded', 'true'); items()[0].focus(); };
    opener.addEventListener('click', () => (menu.hidden ? open() : close()));
    opener.addEventListener('keydown', e => { if (e.key === 'ArrowDown') { e.preventDefault(); open(); } });
    menu.addEventListener('keydown', e => {
      const list = items(), i = list.indexOf(document.activeElement);
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        e.preventDefault();
        list[(i + (e.key === 'ArrowDown' ? 1 : list.length - 1)) % list.length].focus();
      } else if (e.key === 'Escape') {
        close();
        opener.focus();
      }
    });
    document.addEventListener('pointerdown', e => { if (!holder.contains(e.target)) close(); });
    holder.append(opener, menu);
    bar.appendChild(holder);
  }

  function toggleView(bit) {
    const on = viewItems[bit].getAttribute('aria-checked') !== 'true';
    send('View', bit, on ? 1 : 0);
  }

  function fullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().catch(() => {});
  }

  // A picture of the window's own beside the scene's (an angle diagram): its operations in
  // device pixels from the core, the mouse in device pixels to it. The canvas sits in a box
  // that also holds the controls placed on the picture (a caption).
  function makeSmallPicture(c, name) {
    const box = document.createElement('div');
    box.className = 'small-picture';
    const cv = document.createElement('canvas');
    box.canvas = cv;
    box.appendChild(cv);
    cv.tabIndex = 0;
    cv.setAttribute('role', 'img');
    cv.setAttribute('aria-label', name);
    cv.addEventListener('contextmenu', e => e.preventDefault());
    let held = 0;
    const at = (phase, button, e) => {
      const r = cv.getBoundingClientRect();
      show(api.pictureMouse(c.member, phase, button, (e.clientX - r.left) * cv.width / r.width,
                            (e.clientY - r.top) * cv.height / r.height, cv.width, cv.height));
    };
    cv.addEventListener('pointerdown', e => {
      held = e.button === 2 ? 2 : 1;
      cv.setPointerCapture(e.pointerId);
      at(0, held, e);
    });
    cv.addEventListener('pointermove', e => { if (held) at(1, held, e); });
    cv.addEventListener('pointerup', e => { if (held) at(2, held, e); held = 0; });
    return box;
  }

  function isSmallPicture(member) { return controls[member].el.classList.contains('small-picture'); }

  // A picture of the window's own, or a symbol's face that the core draws because it
  // follows the scene (others keep the face the desktop build exported).
  function paintPicture(member) {
    const { spec: c, el } = controls[member];
    if (c.kind === 'symbol') {
      const cv = el.firstChild, n = opened ? api.drawPicture(member, cv.width, cv.height) : 0;
      if (!n) return paintSymbol(c, el);
      const ctx = cv.getContext('2d');
      ctx.fillStyle = c.back;
      ctx.fillRect(0, 0, cv.width, cv.height);
      return paintOps(ctx, core.HEAPF64, api.ops() / 8, n, [0, 0, cv.width, cv.height], i => api.opText(i));
    }
    const cv = el.canvas;
    const ctx = cv.getContext('2d');
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, cv.width, cv.height);
    const n = api.drawPicture(member, cv.width, cv.height);
    paintOps(ctx, core.HEAPF64, api.ops() / 8, n, [0, 0, cv.width, cv.height], i => api.opText(i));
  }

  // ---- Layout: the desktop window's places, scaled to the browser window ----

  function layout() {
    const barHeight = document.getElementById('menubar').offsetHeight;
    scale = Math.min(window.innerWidth / spec.width, (window.innerHeight - barHeight) / spec.height);
    ratio = window.devicePixelRatio || 1;
    const win = document.getElementById('window');
    win.style.top = barHeight + 'px';
    win.style.width = spec.width * scale + 'px';
    win.style.height = spec.height * scale + 'px';
    win.style.fontSize = 12 * scale + 'px';
    for (const { spec: c, el } of Object.values(controls)) {
      Object.assign(el.style, {
        left: c.x * scale + 'px', top: c.y * scale + 'px', width: c.w * scale + 'px', height: c.h * scale + 'px',
        fontSize: c.px * scale + 'px', fontWeight: c.bold ? 'bold' : 'normal',
      });
      if (c.kind === 'symbol') {
        sizeSymbol(c, el);
        paintPicture(c.member);
      }
      if (el.canvas) {
        el.canvas.width = Math.max(1, Math.round(c.w * scale * ratio));
        el.canvas.height = Math.max(1, Math.round(c.h * scale * ratio));
        if (opened && !el.hidden) paintPicture(c.member);
      }
    }
    for (const { spec: c, el } of Object.values(controls)) if (c.kind === 'label') fitLabel(c, el);
    placeNotes();
    const main = spec.controls.find(c => c.kind === 'picture');
    const w = Math.max(1, Math.round(main.w * scale * ratio));
    const h = Math.max(1, Math.round(main.h * scale * ratio));
    for (const cv of [base, live]) {
      cv.width = w;
      cv.height = h;
    }
    baseKey = null;
  }

  // A one-line caption wider than its place gets a smaller font, as the desktop fits it
  // (its fonts measure differently from the browser's).
  function fitLabel(c, el) {
    let px = c.px * scale;
    el.style.fontSize = px + 'px';
    while (px > 4 && el.scrollWidth > el.clientWidth) {
      px *= 0.92;
      el.style.fontSize = px + 'px';
    }
  }

  function sizeSymbol(c, el) {
    el.firstChild.width = Math.max(1, Math.round(c.w * scale * ratio));
    el.firstChild.height = Math.max(1, Math.round(c.h * scale * ratio));
  }

  function paintSymbol(c, el) {
    const cv = el.firstChild;
    const ctx = cv.getContext('2d');
    ctx.fillStyle = c.back;
    ctx.fillRect(0, 0, cv.width, cv.height);
    const flat = c.face.flatMap(op => op.slice(0, OP_NUMBERS));
    paintOps(ctx, Float64Array.from(flat), 0, c.face.length, [-100, -100, 200, 200], i => c.face[i][10] || '');
  }

  // ---- Events to the core and its answers ----

  function mouse(phase, button, e) {
    const r = live.getBoundingClientRect();
    const x = (e.clientX - r.left) * live.width / r.width, y = (e.clientY - r.top) * live.height / r.height;
    show(api.mouse(phase, button, x, y));
  }

  // The page's part of the window's handlers: what the menu's roles do here, the rest to the
  // core (with the control's member and value: a check box's state, an option's choice).
  function click(handler, member = '', value = 0) {
    const slots = spec.slots || {};
    if (handler === slots.savePicture) {
      savePicture();
    } else if (handler === slots.print) {
      window.print();
    } else if (handler === slots.operatingNotes && spec.help.notes) {
      toggleNotes(!notesShown);
    } else if (handler === slots.operatingNotes || handler === slots.didacticNotes) {
      if (spec.help.notes) toggleNotes(false);
      infoWindow();
    } else if (handler === slots.backToMenu) {
      location.search = '';
    } else {
      send(handler, value, 0, 0, member);
    }
  }

  // "Info": the operating notes over the picture, as the desktop window lays them out.
  let notesShown = false, notesLayer = null, infoCaption = '';
  function toggleNotes(on) {
    const help = spec.help;
    const button = Object.values(controls).find(c => c.spec.handler === spec.slots.operatingNotes).el;
    if (!notesLayer) {
      infoCaption = button.textContent;
      notesLayer = document.createElement('div');
      notesLayer.className = 'notes-layer';
      notesLayer.setAttribute('role', 'note');
      for (const n of help.notes) {
        const d = document.createElement('div');
        d.className = n.wrap ? 'note wrap' : 'note';
        d.textContent = n.text;
        d.dataset.place = JSON.stringify(n);
        notesLayer.appendChild(d);
      }
      picture.appendChild(notesLayer);
      placeNotes();
    }
    notesShown = on;
    notesLayer.hidden = !on;
    for (const m of help.hidden) controls[m].el.hidden = on;
    for (const m of help.revealed) controls[m].el.hidden = !on;
    button.textContent = on ? help.caption : infoCaption;
  }

  function placeNotes() {
    if (!notesLayer) return;
    for (const d of notesLayer.children) {
      const n = JSON.parse(d.dataset.place);
      Object.assign(d.style, {
        left: n.x * scale + 'px', top: n.y * scale + 'px', width: n.w * scale + 'px', height: n.h * scale + 'px',
        fontSize: n.px * scale + 'px', fontWeight: n.bold ? 'bold' : 'normal', color: n.colour,
        background: n.back || 'transparent', textIndent: n.indent * scale + 'px',
      });
    }
  }

  // The module's information window ("Didaktische Bemerkung", or "Info" where the notes
  // are not laid over the picture).
  function infoWindow() {
    let d = document.getElementById('info');
    if (!d) {
      d = document.createElement('dialog');
      d.id = 'info';
      d.setAttribute('aria-label', spec.info.title);
      const h = document.createElement('h1');
      h.textContent = spec.info.title;
      const pre = document.createElement('pre');
      pre.textContent = spec.info.text;
      const f = document.createElement('form');
      f.method = 'dialog';
      const ok = document.createElement('button');
      ok.textContent = 'OK';
      f.appendChild(ok);
      d.append(h, pre, f);
      document.body.appendChild(d);
    }
    d.showModal();
  }

  function send(name, a = 0, b = 0, c = 0, member = '') { show(api.event(name, member, a, b, c)); }

  function keys(e) {
    // The view options' keys, and F11 for the full screen.
    const option = spec.view && spec.view.options.find(o => o.key === e.key);
    if (option && !e.ctrlKey && !e.altKey) {
      e.preventDefault();
      toggleView(option.bit);
      return;
    }
    if (e.key === 'F11' && spec.view && spec.view.fullscreen) {
      e.preventDefault();
      fullScreen();
      return;
    }
    if (!e.ctrlKey) return;
    const k = e.key.toLowerCase();
    if (k === 'z' && !e.shiftKey) send('Undo');
    else if ((k === 'z' && e.shiftKey) || k === 'y') send('Redo');
    else return;
    e.preventDefault();
  }

  function show(answer) {
    const u = JSON.parse(answer);
    if (u.faults !== undefined) return u;
    const changed = [];
    for (const [m, t] of Object.entries(u.texts || {})) {
      const el = controls[m].el;
      if (el.tagName === 'INPUT') el.value = t;
      else if (el.textContent !== t) {
        el.textContent = t;
        changed.push(m);
      }
    }
    for (const [m, f] of Object.entries(u.faces || {})) controls[m].el.setAttribute('aria-pressed', f ? 'true' : 'false');
    for (const [m, b] of Object.entries(u.bars || {})) {
      const r = controls[m].el;
      if (document.activeElement !== r || !barDragging) setBar(r, b);
    }
    for (const [m, on] of Object.entries(u.checks || {})) controls[m].el.querySelector('input').checked = !!on;
    for (const [m, on] of Object.entries(u.visible || {})) {
      if (on && controls[m].el.hidden) changed.push(m);
      controls[m].el.hidden = !on;
    }
    for (const m of changed) if (controls[m].spec.kind === 'label') fitLabel(controls[m].spec, controls[m].el);
    for (const m of u.pictures || []) paintPicture(m);
    if (spec.view && u.view)
      for (const o of spec.view.options) viewItems[o.bit].setAttribute('aria-checked', u.view[o.field] ? 'true' : 'false');
    if (u.pointer) live.style.cursor = ['', 'default', 'crosshair', 'no-drop'][u.pointer];
    if (u.base) baseLayers = u.base;
    // The module's own drawing onto the kept picture: before the redraw (a new object
    // point) or over it (what the window draws after its redraw).
    if (u.newObjectPoint) picturePaint(api.drawExtra());
    if (u.layers) redraw(u.layers, u.key);
    if (u.extraAfter) {
      picturePaint(api.drawExtra());
      baseKey = null;
    }
    if (u.message) message(u.message);
    // The window's button to the other window of the module.
    if (u.open) location.search = `?module=${encodeURIComponent(u.open)}`;
    return u;
  }

  // The chosen layers; the live ones on their own canvas over the picture of the rest.
  function redraw(layers, key) {
    const t0 = performance.now();
    if (layers & LIVE) {
      if (baseKey !== key) {
        picturePaint(api.drawBase());
        baseKey = key;
      }
      liveCtx.clearRect(0, 0, live.width, live.height);
      paint(liveCtx, api.draw(LIVE));
    } else {
      if (layers & CLEAR) liveCtx.clearRect(0, 0, live.width, live.height);
      picturePaint(api.draw(layers));
      baseKey = (layers & baseLayers) === baseLayers ? key : null;
    }
    stats.drawMs = performance.now() - t0;
  }

  function message(text) {
    const d = document.getElementById('message');
    document.getElementById('message-text').textContent = text;
    if (!d.open) d.showModal();
  }

  // ---- Painting the core's operations ----

  // The picture: the core's pixels in one piece, then the texts it drew.
  function picturePaint(n) {
    const w = base.width, h = base.height;
    const bytes = new Uint8ClampedArray(core.HEAPU8.buffer, api.pixels(), w * h * 4);
    baseCtx.putImageData(new ImageData(bytes, w, h), 0, 0);
    paint(baseCtx, n, TEXT);
  }

  // The operations (or only those of one kind) as vectors.
  function paint(ctx, n, only = -1) {
    stats.ops = n;
    const view = [0, 1, 2, 3].map(i => api.scale(i));
    paintOps(ctx, core.HEAPF64, api.ops() / 8, n, view, i => api.opText(i), only);
  }

  function colour(c) { return '#' + (c | 0).toString(16).padStart(6, '0'); }

  // Operations in world coordinates onto a canvas showing the world rectangle `view`.
  function paintOps(ctx, a, p, n, [left, top, sw, sh], textOf, only = -1) {
    const W = ctx.canvas.width, H = ctx.canvas.height;
    const kx = W / sw, ky = H / sh;
    const dx = x => (x - left) * kx, dy = y => (y - top) * ky;
    let pen = null, points = 12;
    const flush = () => { if (pen !== null) ctx.stroke(); pen = null; };
    for (let i = 0; i < n; i++) {
      const o = p + i * OP_NUMBERS, kind = a[o], width = a[o + 8], style = a[o + 9];
      if (only >= 0 && kind !== only && kind !== FONTSIZE) continue;
      if (kind === LINE) {
        const key = a[o + 7] * 64 + width * 4 + style;
        if (key !== pen) {
          flush();
          stroke(ctx, a[o + 7], width, style);
          ctx.beginPath();
          pen = key;
        }
        const off = width % 2 ? 0.5 : 0;
        ctx.moveTo(Math.floor(dx(a[o + 1])) + off, Math.floor(dy(a[o + 2])) + off);
        ctx.lineTo(Math.floor(dx(a[o + 3])) + off, Math.floor(dy(a[o + 4])) + off);
        continue;
      }
      flush();
      if (kind === CLS) {
        ctx.fillStyle = '#fff';
        ctx.fillRect(0, 0, W, H);
      } else if (kind === PSET) {
        ctx.fillStyle = colour(a[o + 7]);
        const x = dx(a[o + 1]), y = dy(a[o + 2]);
        if (width <= 2) {
          ctx.fillRect(Math.floor(x), Math.floor(y), width, width);
        } else {
          ctx.beginPath();
          ctx.arc(x, y, width / 2, 0, 2 * Math.PI);
          ctx.fill();
        }
      } else if (kind === CIRCLE || kind === ARC) {
        // Round on the device, the radius in units of x.
        const r = Math.abs(a[o + 3] * kx);
        stroke(ctx, a[o + 7], width, style);
        ctx.beginPath();
        if (kind === CIRCLE) {
          ctx.arc(dx(a[o + 1]), dy(a[o + 2]), r, 0, 2 * Math.PI);
        } else {
          let span = a[o + 6] - a[o + 5];
          if (span <= 0) span += 2 * Math.PI;
          ctx.arc(dx(a[o + 1]), dy(a[o + 2]), r, -a[o + 5], -(a[o + 5] + span), true);
        }
        ctx.stroke();
      } else if (kind === FONTSIZE) {
        points = a[o + 1] || points;
      } else if (kind === TEXT) {
        ctx.fillStyle = colour(a[o + 7]);
        ctx.font = (points * 96 / 72) * ratio + 'px "DejaVu Sans", sans-serif';
        ctx.textBaseline = 'top';
        ctx.fillText(textOf(i), dx(a[o + 1]), dy(a[o + 2]));
      }
    }
    flush();
  }

  function stroke(ctx, c, width, style) {
    ctx.strokeStyle = colour(c);
    ctx.lineWidth = width;
    ctx.lineCap = 'butt';
    ctx.setLineDash(style === DOTTED ? [1, 2] : style === DASHDOT ? [4, 2, 1, 2] : []);
  }

  // "Bild speichern": the picture as a PNG file.
  function savePicture() {
    const out = document.createElement('canvas');
    out.width = base.width;
    out.height = base.height;
    const ctx = out.getContext('2d');
    ctx.drawImage(base, 0, 0);
    ctx.drawImage(live, 0, 0);
    out.toBlob(blob => {
      const a = document.createElement('a');
      a.href = URL.createObjectURL(blob);
      a.download = `${spec.module}.png`;
      a.click();
      setTimeout(() => URL.revokeObjectURL(a.href), 1000);
    }, 'image/png');
  }

  // For the tests and the benchmark page: the core's calls and what the page keeps.
  const testing = {
    send, show, redraw, stats, FULL, LIVE,
    get api() { return api; },
    get core() { return core; },
    get canvases() { return { base, live }; },
    get controls() { return controls; },
    // World coordinates to the picture's client pixels.
    toClient(x, y) {
      const r = live.getBoundingClientRect();
      const [left, top, sw, sh] = [0, 1, 2, 3].map(i => api.scale(i));
      return [r.left + (x - left) * r.width / sw, r.top + (y - top) * r.height / sh];
    },
    toDevice(x, y) {
      const [left, top, sw, sh] = [0, 1, 2, 3].map(i => api.scale(i));
      return [(x - left) * live.width / sw, (y - top) * live.height / sh];
    },
  };
  return { start, testing };
})();

Varelo.start().catch(e => {
  document.body.dataset.error = String(e);
  document.body.textContent = 'Varelo konnte nicht starten: ' + e;
});
