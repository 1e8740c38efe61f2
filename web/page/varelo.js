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

  let core, api, windowTable, opened = false;
  const controls = {}; // member -> { row (the exported control), el }
  let picture, base, live, baseCtx, liveCtx;
  let baseKey = null; // the scene key the base canvas shows in full; null: not in full
  let baseLayers = FULL; // the layers of the picture a live frame is drawn over (the module says)
  let scale = 1, ratio = 1;
  let pressed = 0; // the mouse button held in the picture
  let screenCursor = '', pictureCursor = 'default';
  let presenting = false; // the presentation look, as the core last said
  let barDragging = false;
  const stats = { drawMs: 0, ops: 0 };

  // German when the browser's first language is, else English (as the desktop decides).
  const language = (navigator.languages && navigator.languages[0] || navigator.language || 'en')
    .toLowerCase().startsWith('de') ? 'de' : 'en';
  const suffix = language === 'de' ? '' : '.' + language;

  // The core in the page's language: the decimal separator and the translations of its texts.
  async function startCore() {
    core = await VareloCore();
    core.ccall('vw_language', null, ['string'], [language]);
    if (language !== 'de') {
      const table = await (await fetch(`translations${suffix}.json`)).json();
      const add = core.cwrap('vw_translation', null, ['string', 'string', 'string']);
      for (const [context, texts] of Object.entries(table))
        for (const [source, text] of Object.entries(texts)) add(context, source, text);
    }
    document.documentElement.lang = language;
  }

  async function start() {
    const module = new URLSearchParams(location.search).get('module');
    if (!module) return startMenu();
    const found = await fetch(`${module}.controls${suffix}.json`);
    // A module the site does not have: the main menu instead.
    if (!found.ok) return startMenu();
    windowTable = await found.json();
    await startCore();
    api = {
      open: core.cwrap('vw_open', 'number', ['string', 'number', 'number', 'number', 'number', 'number', 'number']),
      resize: core.cwrap('vw_resize', null, ['number', 'number']),
      pixels: core.cwrap('vw_pixels', 'number', []),
      mouse: core.cwrap('vw_mouse', 'string', ['number', 'number', 'number', 'number']),
      event: core.cwrap('vw_event', 'string', ['string', 'string', 'number', 'number', 'number']),
      drawBase: core.cwrap('vw_draw_base', 'number', []),
      drawSaved: core.cwrap('vw_draw_saved', 'number', []),
      drawPicture: core.cwrap('vw_draw_picture', 'number', ['string', 'number', 'number']),
      printPage: core.cwrap('vw_print_page', 'number', ['string', 'number', 'number', 'number']),
      pictureMouse: core.cwrap('vw_picture_mouse', 'string', ['string', 'number', 'number', 'number', 'number', 'number', 'number']),
      draw: core.cwrap('vw_draw', 'number', ['number']),
      drawExtra: core.cwrap('vw_draw_extra', 'number', []),
      ops: core.cwrap('vw_ops', 'number', []),
      opText: core.cwrap('vw_op_text', 'string', ['number']),
      scale: core.cwrap('vw_scale', 'number', ['number']),
      setFields: text => onHeap(text, p => core.ccall('vw_set_fields', 'string', ['number'], [p])),
      fields: core.cwrap('vw_fields', 'string', []),
      openLesson: (text, name) => onHeap(text, p => core.ccall('vw_open_lesson', 'string', ['number', 'string'], [p, name])),
      lessonText: core.cwrap('vw_lesson_text', 'string', []),
    };
    document.title = windowTable.title;
    buildMenuBar();
    build();
    layout();
    const view = windowTable.view0;
    api.open(windowTable.module, base.width, base.height, view[0], view[1], view[2], view[3]);
    core.ccall('vw_text_scale', null, ['number'], [96 / 72 * ratio]);
    opened = true;
    for (const c of windowTable.controls) {
      const el = controls[c.member].el;
      if (c.kind === 'symbol' || (isSmallPicture(c.member) && !el.hidden)) paintPicture(c.member);
    }
    // The first picture, as the window draws it when it opens.
    send('Form_Load');
    window.addEventListener('resize', relayout);
    // A move to a screen of another pixel density.
    const density = () => matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
      .addEventListener('change', () => { relayout(); density(); }, { once: true });
    density();
    document.addEventListener('keydown', keys);
    const brought = sessionStorage.getItem('varelo.lesson');
    if (brought) {
      sessionStorage.removeItem('varelo.lesson');
      const { text, name, own, presenting: was } = JSON.parse(brought);
      openLesson(text, name, own);
      const look = (windowTable.viewOptions || []).find(o => o.field === 'presentation');
      if (was && look && !presenting) send('View', look.bit, 1);
    }
    document.body.dataset.ready = '1';
  }

  // A long text (a lesson file) handed to the core on its heap: the call's stack holds little.
  function onHeap(text, call) {
    const n = core.lengthBytesUTF8(text) + 1, p = core._malloc(n);
    try {
      core.stringToUTF8(text, p, n);
      return call(p);
    } finally {
      core._free(p);
    }
  }

  // ---- The main menu: a button for each module ----

  async function startMenu() {
    const menu = await (await fetch(`menu${suffix}.json`)).json();
    // A module whose rules the core cannot run in the page yet stays unavailable.
    await startCore();
    const runs = name => core.ccall('vw_open', 'number', ['string', 'number', 'number', 'number', 'number', 'number', 'number'],
                                    [name, 1, 1, 0, 0, 1, 1]) === 1;
    document.title = menu.title;
    const win = document.getElementById('window');
    win.setAttribute('aria-label', menu.title);
    win.style.background = menu.back;
    document.body.style.background = menu.back;
    const place = () => {
      const barHeight = document.getElementById('menubar').offsetHeight;
      scale = Math.min(window.innerWidth / menu.width, (window.innerHeight - barHeight) / menu.height);
      win.style.width = menu.width * scale + 'px';
      win.style.height = menu.height * scale + 'px';
      win.style.top = barHeight + 'px';
      for (const [i, item] of menu.items.entries()) {
        const el = win.children[i];
        Object.assign(el.style, {
          left: item.x * scale + 'px', top: item.y * scale + 'px', width: item.w * scale + 'px',
          height: item.h * scale + 'px', fontSize: item.px * scale + 'px', fontWeight: item.bold ? 'bold' : 'normal',
        });
        // The page's font is wider than the desktop's: a caption that does not fit gets smaller.
        for (let px = item.px * scale; el.scrollWidth > el.clientWidth + 1 && px > 6; px *= 0.94) el.style.fontSize = px + 'px';
      }
    };
    // The main menu's bar: a lesson or an example opens in its module's page.
    windowTable = { menubar: menu.menubar, slots: {}, viewOptions: [] };
    api = {
      openLesson: (text, name) => {
        core.ccall('vw_open', 'number', ['string', 'number', 'number', 'number', 'number', 'number', 'number'],
                   ['mirror', 1, 1, 0, 0, 1, 1]);
        const u = JSON.parse(onHeap(text, p => core.ccall('vw_open_lesson', 'string', ['number', 'string'], [p, name])));
        return JSON.stringify(u.message !== undefined && u.layers === undefined ? u : { module: u.module || 'mirror' });
      },
    };
    buildMenuBar();
    document.addEventListener('keydown', keys);
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
    win.setAttribute('aria-label', windowTable.title);
    for (const c of windowTable.controls) {
      const el = make(c);
      el.id = c.member;
      el.classList.add(c.kind);
      if (!c.visible) el.hidden = true;
      if (c.description && c.kind !== 'label' && c.kind !== 'wraplabel') el.title = c.description;
      (c.parent ? controls[c.parent].el : win).appendChild(el);
      controls[c.member] = { row: c, el };
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
      // A box whose caption another box shows too has a name of its own on the desktop.
      if (c.name && c.name !== c.text.trim()) i.setAttribute('aria-label', c.name);
      return l;
    }
    case 'textbox': {
      const t = document.createElement('input');
      t.readOnly = true;
      t.tabIndex = -1;
      t.value = c.text;
      if (c.base) t.style.background = c.base;
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
        repeating(b, () => click(c.handler + (k === 0 ? '_SpinUp' : '_SpinDown')));
        d.appendChild(b);
      });
      return d;
    }
    case 'symbol': {
      const b = document.createElement('button');
      b.setAttribute('aria-label', name);
      b.setAttribute('aria-pressed', 'false');
      b.appendChild(document.createElement('canvas'));
      // The second press of a double click is not a second click.
      if (c.handler) b.addEventListener('click', e => { if (e.detail <= 1) click(c.handler); });
      else symbolMouse(b, c.member);
      return b;
    }
    case 'picture':
      return picture ? makeSmallPicture(c, name) : makePicture(c, name);
    }
    return document.createElement('div');
  }

  // An arrow button: once on a press, then again after 400 ms every 80 ms while held (as
  // the desktop's); the keyboard's Space and Enter press it once.
  function repeating(button, act) {
    let delay = null, every = null;
    const stop = () => { clearTimeout(delay); clearInterval(every); delay = every = null; };
    button.addEventListener('pointerdown', e => {
      if (e.button !== 0) return;
      act();
      delay = setTimeout(() => { every = setInterval(act, 80); }, 400);
    });
    for (const end of ['pointerup', 'pointerleave', 'pointercancel', 'blur']) button.addEventListener(end, stop);
    button.addEventListener('click', e => { if (e.detail === 0) act(); });
  }

  // A symbol with a mouse handler of its own (a preset field): the button pressed, 1 left and
  // 2 right. From the keyboard Enter and Space press the left one, the context-menu key the
  // right one.
  function symbolMouse(b, member) {
    const down = button => send(member + '_MouseDown', button, 0, 0, member);
    let right = false, hold = null, start = null;
    const cancel = () => { clearTimeout(hold); hold = null; };
    // A finger that moves or is taken back by the system is no tap and no hold.
    b.addEventListener('pointermove', e => { if (hold && start && gap(e, start) > kHoldSlop) cancel(); });
    b.addEventListener('pointercancel', cancel);
    b.addEventListener('pointerdown', e => {
      if (e.pointerType !== 'mouse') {
        // A finger or pen: a tap is the left button, held still 0.6 s the right one.
        start = e;
        hold = setTimeout(() => { hold = null; right = true; down(2); }, kHoldMs);
        return;
      }
      if (e.button === 0) down(1);
      if (e.button === 2) { right = true; down(2); }
    });
    b.addEventListener('pointerup', e => {
      if (e.pointerType === 'mouse' || hold === null) return;
      clearTimeout(hold);
      hold = null;
      down(1);
    });
    b.addEventListener('click', e => { if (e.detail === 0) down(1); });
    b.addEventListener('contextmenu', e => {
      e.preventDefault();
      cancel();
      if (!right) down(2);
      right = false;
    });
  }

  function bar(c, name) {
    // The pan bars have no handler in the table: the window gives them to its zoom.
    const handler = c.handler || c.member + '_Change';
    const r = document.createElement('input');
    r.type = 'range';
    r.setAttribute('aria-label', name);
    setBar(r, [c.range.min, c.range.max, c.range.small, c.range.large, c.range.value]);
    // The slider pressed: a module that limits a drag by the state at its start keeps it.
    r.addEventListener('pointerdown', () => {
      barDragging = true;
      quick(true);
      send(c.member + '_Pressed');
    });
    r.addEventListener('pointerup', () => {
      barDragging = false;
      quick(false, false); // the settled value below draws the smooth picture
      send(handler, +r.value, 0); // the settled value, drawn as a release draws it
    });
    r.addEventListener('input', () => send(handler, +r.value, barDragging ? 1 : 0));
    // Arrow keys move by the bar's small change, Page keys by its large one, Home and End
    // to its ends, as a scroll bar does; right and down are towards the maximum.
    r.addEventListener('keydown', e => {
      const steps = { ArrowRight: +r.dataset.small, ArrowDown: +r.dataset.small, ArrowLeft: -r.dataset.small,
                      ArrowUp: -r.dataset.small, PageDown: +r.dataset.large, PageUp: -r.dataset.large };
      let v;
      if (e.key in steps) v = +r.value + steps[e.key];
      else if (e.key === 'Home') v = +r.min;
      else if (e.key === 'End') v = +r.max;
      else return;
      e.preventDefault();
      r.value = Math.min(+r.max, Math.max(+r.min, v));
      send(handler, +r.value, 0);
    });
    return r;
  }

  // A bar's range, change amounts and value; or only its value.
  function setBar(r, b) {
    if (!Array.isArray(b)) {
      r.value = b;
      return;
    }
    const [min, max, small, large, value] = b;
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
    live.setAttribute('role', 'img');
    live.setAttribute('aria-label', name);
    picture.append(base, live);
    baseCtx = base.getContext('2d');
    liveCtx = live.getContext('2d');
    live.addEventListener('contextmenu', e => e.preventDefault());
    live.addEventListener('pointerdown', e => {
      if (e.pointerType !== 'mouse') return touchDown(e, c.member);
      if (e.button !== 0 && e.button !== 2) return;
      pressed = e.button === 0 ? 1 : 2;
      live.setPointerCapture(e.pointerId);
      if (pressed === 2) quick(true);
      mouse(0, pressed, e);
    });
    live.addEventListener('pointermove', e => (e.pointerType !== 'mouse' ? touchMove(e) : mouse(1, pressed, e)));
    const release = e => {
      if (e.pointerType !== 'mouse') return touchUp(e, c.member);
      if (!pressed) return;
      const b = pressed;
      pressed = 0;
      mouse(2, b, e);
      if (b === 2) quick(false);
    };
    live.addEventListener('pointerup', release);
    // A stroke the system cancels ends where it was.
    live.addEventListener('pointercancel', release);
    live.addEventListener('lostpointercapture', e => { if (e.pointerType === 'mouse') release(e); });
    ring = document.createElement('div');
    ring.className = 'hold-ring';
    ring.hidden = true;
    picture.appendChild(ring);
    return picture;
  }

  // ---- Touch and pen: a held is the left button; held still for 0.6 s it drops the ray
  // being aimed and goes on as the right button; two fingers zoom by the zoom's steps ----

  const kHoldMs = 600, kHoldSlop = 8, kPinchStep = 1.25;
  const touches = new Map(); // pointer -> its last event
  let held = 0, hold = null, strokeStart = null, strokeLast = null, pinching = false, pinchDistance = 0, ring = null;
  const gap = (a, b) => Math.hypot(a.clientX - b.clientX, a.clientY - b.clientY);

  function touchDown(e, member) {
    touches.set(e.pointerId, e);
    live.setPointerCapture(e.pointerId);
    if (touches.size >= 2) {
      // A second finger: what the first began ends, and the two pinch.
      abandonStroke(member);
      pinching = true;
      const [a, b] = [...touches.values()];
      pinchDistance = gap(a, b);
      return;
    }
    if (pinching) return;
    strokeStart = strokeLast = e;
    held = 1;
    mouse(0, 1, e);
    hold = setTimeout(() => holdRecognised(member), kHoldMs);
  }

  function touchMove(e) {
    if (!touches.has(e.pointerId)) return;
    touches.set(e.pointerId, e);
    if (pinching) {
      if (touches.size < 2) return;
      const [a, b] = [...touches.values()], d = gap(a, b);
      for (; pinchDistance > 0 && d >= pinchDistance * kPinchStep; pinchDistance *= kPinchStep) send('Spin1_SpinUp');
      for (; d > 0 && d <= pinchDistance / kPinchStep; pinchDistance /= kPinchStep) send('Spin1_SpinDown');
      return;
    }
    if (!held) return;
    strokeLast = e;
    if (hold && gap(e, strokeStart) > kHoldSlop) {
      clearTimeout(hold);
      hold = null;
    }
    if (held === 2) placeRing(e);
    mouse(1, held, e);
  }

  function touchUp(e, member) {
    if (!touches.delete(e.pointerId)) return;
    if (pinching) {
      // The fingers of a pinch lift one by one: nothing more until all are off.
      if (touches.size === 0) pinching = false;
      return;
    }
    if (e.type === 'pointercancel') return abandonStroke(member);
    clearTimeout(hold);
    hold = null;
    const b = held;
    held = 0;
    ring.hidden = true;
    if (b) mouse(2, b, e);
    if (b === 2) quick(false);
  }

  function holdRecognised(member) {
    hold = null;
    if (held !== 1) return;
    send(`${member}_DropLive`);
    held = 2;
    quick(true);
    placeRing(strokeLast);
    mouse(0, 2, strokeLast);
  }

  function abandonStroke(member) {
    clearTimeout(hold);
    hold = null;
    const b = held;
    held = 0;
    ring.hidden = true;
    if (b === 1) send(`${member}_DropLive`);
    else if (b === 2) {
      mouse(2, 2, strokeLast); // the object stays where it was moved
      quick(false);
    }
  }

  function placeRing(e) {
    const r = picture.getBoundingClientRect();
    ring.hidden = false;
    ring.style.left = e.clientX - r.left + 'px';
    ring.style.top = e.clientY - r.top + 'px';
  }

  // ---- The menu bar: the desktop window's menus, entries and keys ----

  const viewItems = {}; // view option bit -> its entry
  const menuKeys = []; // [key as "Ctrl+Shift+Z", entry]
  function plain(text) { return text.replace(/&(.)/, '$1'); }
  function mnemonic(text) { const m = /&(.)/.exec(text); return m ? m[1].toLowerCase() : ''; }

  function buildMenuBar() {
    const bar = document.getElementById('menubar');
    for (const m of windowTable.menubar || []) bar.appendChild(makeMenu(m));
  }

  function makeMenu(m) {
    const holder = document.createElement('div');
    const opener = document.createElement('button');
    opener.textContent = plain(m.title);
    opener.setAttribute('role', 'menuitem');
    opener.setAttribute('aria-haspopup', 'menu');
    opener.setAttribute('aria-expanded', 'false');
    if (mnemonic(m.title)) opener.accessKey = mnemonic(m.title);
    const menu = document.createElement('div');
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', plain(m.title));
    menu.hidden = true;
    const items = () => [...menu.querySelectorAll('button')];
    const close = () => {
      const inside = menu.contains(document.activeElement);
      menu.hidden = true;
      opener.setAttribute('aria-expanded', 'false');
      if (inside) opener.focus();
    };
    const open = () => { menu.hidden = false; opener.setAttribute('aria-expanded', 'true'); items()[0].focus(); };
    const add = (parent, entries) => {
      for (const e of entries) {
        if (e.separator) {
          const line = document.createElement('div');
          line.setAttribute('role', 'separator');
          line.className = 'separator';
          parent.appendChild(line);
          continue;
        }
        if (e.items) {
          // A submenu as a group of entries under its name.
          const group = document.createElement('div');
          group.setAttribute('role', 'group');
          group.setAttribute('aria-label', plain(e.text));
          group.className = 'submenu';
          const title = document.createElement('div');
          title.className = 'submenu-title';
          title.textContent = plain(e.text);
          group.appendChild(title);
          add(group, e.items);
          parent.appendChild(group);
          continue;
        }
        const b = document.createElement('button');
        b.setAttribute('role', e.checkable ? 'menuitemcheckbox' : 'menuitem');
        if (e.checkable) b.setAttribute('aria-checked', 'false');
        b.tabIndex = -1;
        b.dataset.mnemonic = mnemonic(e.text);
        const t = document.createElement('span');
        t.textContent = plain(e.text);
        b.appendChild(t);
        if (e.keys && e.keys.length) {
          const k = document.createElement('span');
          k.setAttribute('aria-hidden', 'true');
          k.className = 'key';
          k.textContent = e.keys[0];
          b.appendChild(k);
          b.setAttribute('aria-keyshortcuts', e.keys.join(' '));
          for (const key of e.keys) menuKeys.push([key, e]);
        }
        b.addEventListener('click', () => { close(); run(e); });
        if (e.role && e.role.startsWith('view:')) {
          const o = (windowTable.viewOptions || []).find(v => v.field === e.role.slice(5));
          if (o) viewItems[o.bit] = b;
        }
        if (e.role === 'fullScreen')
          document.addEventListener('fullscreenchange', () =>
            b.setAttribute('aria-checked', document.fullscreenElement ? 'true' : 'false'));
        parent.appendChild(b);
      }
    };
    add(menu, m.items);
    opener.addEventListener('click', () => (menu.hidden ? open() : close()));
    opener.addEventListener('keydown', e => { if (e.key === 'ArrowDown') { e.preventDefault(); open(); } });
    menu.addEventListener('keydown', e => {
      const list = items(), i = list.indexOf(document.activeElement);
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        e.preventDefault();
        list[(i + (e.key === 'ArrowDown' ? 1 : list.length - 1)) % list.length].focus();
      } else if (e.key === 'Escape') {
        close();
      } else if (e.key.length === 1 && !e.ctrlKey && !e.altKey) {
        const hit = list.find(b => b.dataset.mnemonic === e.key.toLowerCase());
        if (hit) {
          e.preventDefault();
          hit.click();
        }
      }
    });
    document.addEventListener('pointerdown', e => { if (!holder.contains(e.target)) close(); });
    holder.addEventListener('focusout', e => { if (!holder.contains(e.relatedTarget)) close(); });
    holder.append(opener, menu);
    return holder;
  }

  // What an entry does here: the same as its desktop entry.
  function run(entry) {
    const role = entry.role || '';
    const slots = windowTable.slots || {};
    if (role.startsWith('view:')) {
      const o = windowTable.viewOptions.find(v => v.field === role.slice(5));
      if (o) toggleView(o.bit);
    } else if (role === 'openLesson') {
      chooseLesson();
    } else if (role === 'saveLesson' || role === 'saveLessonAs') {
      download(new Blob([api.lessonText()], { type: 'application/x-varelo-lesson' }), lessonFile || `${windowTable.module}.varelo`);
    } else if (role === 'example') {
      fetch(`lessons/${entry.file}`).then(r => r.text()).then(text => openLesson(text, entry.file, false));
    } else if (role === 'undo') {
      send('Undo');
    } else if (role === 'redo') {
      send('Redo');
    } else if (role === 'fullScreen') {
      fullScreen();
    } else if (role === 'about') {
      message(windowTable.about);
    } else if (slots[role] !== undefined) {
      click(slots[role]);
    }
  }

  // ---- Lessons ----

  let lessonFile = ''; // the name "Lektion speichern" downloads under
  const kLessonMaxBytes = 10 * 1024 * 1024;
  function chooseLesson() {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = '.varelo,application/x-varelo-lesson';
    input.addEventListener('change', () => {
      const f = input.files[0];
      // Beyond the desktop's limit only so much is read that the core says it is too big.
      if (f) f.slice(0, kLessonMaxBytes + 1).text().then(text => openLesson(text, f.name, true));
    });
    input.click();
  }

  // A lesson of this module opens here; one of another module opens in that module's page.
  function openLesson(text, name, own) {
    const u = JSON.parse(api.openLesson(text, name));
    if (u.module) {
      // The presentation look belongs to the room: it stays when the lesson's module opens.
      sessionStorage.setItem('varelo.lesson', JSON.stringify({ text, name, own, presenting }));
      location.search = `?module=${u.module}`;
      return;
    }
    if (u.message !== undefined && u.layers === undefined) {
      message(u.message);
      return;
    }
    // An example is saved under a name of its own.
    lessonFile = own ? name : '';
    baseKey = null;
    show(JSON.stringify(u));
  }

  function download(blob, name) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = name;
    a.click();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
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

  // A picture of the window's own, or a symbol whose face the core draws.
  function paintPicture(member) {
    const { row: c, el } = controls[member];
    if (c.kind === 'symbol') return paintSymbol(c, el);
    const cv = el.canvas;
    const ctx = cv.getContext('2d');
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, cv.width, cv.height);
    const n = api.drawPicture(member, cv.width, cv.height);
    paintOps(ctx, core.HEAPF64, api.ops() / 8, n, [0, 0, cv.width, cv.height], i => api.opText(i));
  }

  // ---- Layout: the desktop window's places, scaled to the browser window ----

  function relayout() {
    layout();
    api.resize(base.width, base.height);
    core.ccall('vw_text_scale', null, ['number'], [96 / 72 * ratio]);
    send('Redraw');
  }

  function layout() {
    const barHeight = document.getElementById('menubar').offsetHeight;
    // The information panel takes its part of the width, so that it covers no control.
    const panel = document.getElementById('info');
    const width = window.innerWidth - (panel && !panel.hidden ? panel.offsetWidth : 0);
    scale = Math.min(width / windowTable.width, (window.innerHeight - barHeight) / windowTable.height);
    ratio = window.devicePixelRatio || 1;
    const win = document.getElementById('window');
    win.style.top = barHeight + 'px';
    win.style.width = windowTable.width * scale + 'px';
    win.style.height = windowTable.height * scale + 'px';
    win.style.fontSize = 12 * scale + 'px';
    for (const { row: c, el } of Object.values(controls)) {
      Object.assign(el.style, {
        left: c.x * scale + 'px', top: c.y * scale + 'px', width: c.w * scale + 'px', height: c.h * scale + 'px',
        fontSize: c.px * scale + 'px', fontWeight: c.bold ? 'bold' : 'normal',
      });
      if (c.kind === 'symbol') {
        sizeSymbol(c, el);
        paintSymbol(c, el);
      }
      if (el.canvas) {
        el.canvas.width = Math.max(1, Math.round(c.w * scale * ratio));
        el.canvas.height = Math.max(1, Math.round(c.h * scale * ratio));
        if (opened && !el.hidden) paintPicture(c.member);
      }
    }
    for (const { row: c, el } of Object.values(controls)) if (c.kind === 'label') fitLabel(c, el);
    placeNotes();
    const main = windowTable.controls.find(c => c.kind === 'picture');
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
    // A face that follows the window's state (a preset's lens) comes from the core, in
    // device pixels; the others are the table's.
    const n = opened ? api.drawPicture(c.member, cv.width, cv.height) : 0;
    if (n > 0) {
      paintOps(ctx, core.HEAPF64, api.ops() / 8, n, [0, 0, cv.width, cv.height], i => api.opText(i));
      return;
    }
    const flat = c.face.flatMap(op => op.slice(0, OP_NUMBERS));
    paintOps(ctx, Float64Array.from(flat), 0, c.face.length, [-100, -100, 200, 200], i => c.face[i][10] || '', -1, c.back);
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
    const slots = windowTable.slots || {};
    if (handler === slots.savePicture) {
      savePicture();
    } else if (handler === slots.print) {
      printPage();
    } else if (handler === slots.operatingNotes && windowTable.help.notes) {
      toggleNotes(!notesShown);
    } else if (handler === slots.operatingNotes || handler === slots.didacticNotes) {
      if (windowTable.help.notes) {
        toggleNotes(false);
        infoButton().textContent = windowTable.help.captionAfterInfo;
      }
      infoWindow();
    } else if (handler === slots.backToMenu) {
      location.search = '';
    } else {
      send(handler, value, 0, 0, member);
    }
  }

  // "Info": the operating notes over the picture, as the desktop window lays them out.
  let notesShown = false, notesLayer = null;
  const wanted = {}; // member -> shown, as the core last said
  // The window's own pictures inside the scene's picture go while the notes show.
  const coveredByNotes = m => controls[m].el.classList.contains('small-picture') && controls[m].row.parent === mainMember();
  const mainMember = () => windowTable.controls.find(c => c.kind === 'picture').member;
  function toggleNotes(on) {
    const help = windowTable.help;
    const button = infoButton();
    if (!notesLayer) {
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
    for (const m of Object.keys(controls))
      if (coveredByNotes(m)) controls[m].el.hidden = on || !(wanted[m] ?? controls[m].row.visible);
    for (const m of help.hidden) controls[m].el.hidden = on;
    for (const m of help.revealed) controls[m].el.hidden = !on;
    button.textContent = on ? help.caption : help.captionOff;
  }

  function infoButton() { return Object.values(controls).find(c => c.row.handler === windowTable.slots.operatingNotes).el; }

  function placeNotes() {
    if (!notesLayer) return;
    for (const d of notesLayer.children) {
      const n = JSON.parse(d.dataset.place);
      Object.assign(d.style, {
        left: n.x * scale + 'px', top: n.y * scale + 'px', width: n.w * scale + 'px', height: n.h * scale + 'px',
        fontSize: n.px * scale + 'px', fontWeight: n.bold ? 'bold' : 'normal', color: n.colour,
        background: n.back || 'transparent', textIndent: n.indent * scale + 'px',
      });
      // The page's font is wider than the desktop's: a note that does not fit gets smaller.
      for (let px = n.px * scale; d.scrollHeight > d.clientHeight + 1 && px > 6; px *= 0.94) d.style.fontSize = px + 'px';
    }
  }

  // The module's information window ("Didaktische Bemerkung", or "Info" where the notes
  // are not laid over the picture).
  // A side panel beside the window, as the desktop's information window stands beside its
  // module window; the window stays usable. Its button, Esc, or the button that opened it
  // closes it; the focus goes back where it was.
  let infoOpener = null;
  function infoWindow() {
    let d = document.getElementById('info');
    const close = () => {
      d.hidden = true;
      relayout();
      if (infoOpener) infoOpener.focus();
    };
    if (d && !d.hidden) return close();
    infoOpener = document.activeElement;
    if (!d) {
      d = document.createElement('aside');
      d.id = 'info';
      d.setAttribute('aria-label', windowTable.info.title);
      const shut = document.createElement('button');
      shut.className = 'close';
      shut.textContent = '×';
      shut.setAttribute('aria-label', 'OK');
      shut.addEventListener('click', () => close());
      const h = document.createElement('h1');
      h.textContent = windowTable.info.title;
      const pre = document.createElement('pre');
      pre.textContent = windowTable.info.text;
      d.append(shut, h, pre);
      d.addEventListener('keydown', e => { if (e.key === 'Escape') close(); });
      d.tabIndex = -1;
      document.body.appendChild(d);
    }
    d.hidden = false;
    relayout();
    d.focus();
  }

  function send(name, a = 0, b = 0, c = 0, member = '') { show(api.event(name, member, a, b, c)); }

  // Whole pixels while the hand moves something; on release the smooth picture again (in
  // the presentation look only the lines differ).
  function quick(on, redraw = true) {
    core.ccall('vw_quick', null, ['number'], [on ? 1 : 0]);
    if (!on && redraw && presenting) send('Redraw');
  }

  // The menu entries' keys, as the desktop's ("Ctrl+Shift+Z", "F5").
  function keys(e) {
    // Nothing behind an open message or window.
    if (document.querySelector('dialog[open]')) return;
    const key = (e.ctrlKey ? 'Ctrl+' : '') + (e.shiftKey ? 'Shift+' : '') + (e.altKey ? 'Alt+' : '') +
                (e.key.length === 1 ? e.key.toUpperCase() : e.key);
    const hit = menuKeys.find(([k]) => k === key);
    if (!hit) return;
    e.preventDefault();
    run(hit[1]);
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
      wanted[m] = on;
      if (on && controls[m].el.hidden) changed.push(m);
      controls[m].el.hidden = !on || (notesShown && coveredByNotes(m));
    }
    for (const m of changed) if (controls[m].row.kind === 'label') fitLabel(controls[m].row, controls[m].el);
    for (const [m, colour] of Object.entries(u.backs || {})) controls[m].el.style.background = colour;
    for (const m of u.pictures || []) paintPicture(m);
    if (u.view) presenting = !!u.view.presentation;
    for (const o of u.view ? windowTable.viewOptions || [] : [])
      viewItems[o.bit]?.setAttribute('aria-checked', u.view[o.field] ? 'true' : 'false');
    // The screen's pointer (an armed tool, a drag) stands over the picture's own.
    const cursors = ['', 'default', 'crosshair', 'no-drop'];
    if (u.screen) screenCursor = u.screen === 1 ? '' : cursors[u.screen];
    if (u.pointer) pictureCursor = cursors[u.pointer];
    live.style.cursor = screenCursor || pictureCursor;
    document.body.style.cursor = screenCursor;
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
  // The texts on the picture since it was last cleared: the core's pixels hold none, so
  // they are painted again over every new set of pixels.
  let keptTexts = [];
  function picturePaint(n) {
    const w = base.width, h = base.height;
    const a = core.HEAPF64, p = api.ops() / 8;
    for (let i = 0; i < n; i++) {
      const kind = a[p + i * OP_NUMBERS];
      if (kind === CLS) keptTexts = [];
      else if (kind === TEXT || kind === FONTSIZE)
        keptTexts.push([...a.subarray(p + i * OP_NUMBERS, p + (i + 1) * OP_NUMBERS), api.opText(i)]);
    }
    const bytes = new Uint8ClampedArray(core.HEAPU8.buffer, api.pixels(), w * h * 4);
    baseCtx.putImageData(new ImageData(bytes, w, h), 0, 0);
    const view = [0, 1, 2, 3].map(i => api.scale(i));
    paintOps(baseCtx, Float64Array.from(keptTexts.flatMap(t => t.slice(0, OP_NUMBERS))), 0, keptTexts.length, view,
             i => keptTexts[i][OP_NUMBERS]);
  }

  // The operations (or only those of one kind) as vectors.
  function paint(ctx, n, only = -1) {
    stats.ops = n;
    const view = [0, 1, 2, 3].map(i => api.scale(i));
    paintOps(ctx, core.HEAPF64, api.ops() / 8, n, view, i => api.opText(i), only);
  }

  function colour(c) { return '#' + (c | 0).toString(16).padStart(6, '0'); }

  // Operations in world coordinates onto a canvas showing the world rectangle `view`.
  // `scales`: device pixels per width unit of the style tables and per point of text (a
  // printed page's widths are the printer's, at 600 dpi).
  function paintOps(ctx, a, p, n, [left, top, sw, sh], textOf, only = -1, back = '#fff',
                    scales = { width: 1, point: 96 / 72 * ratio }) {
    const W = ctx.canvas.width, H = ctx.canvas.height;
    const kx = W / sw, ky = H / sh;
    const dx = x => (x - left) * kx, dy = y => (y - top) * ky;
    let pen = null, points = 12;
    const flush = () => { if (pen !== null) ctx.stroke(); pen = null; };
    for (let i = 0; i < n; i++) {
      const o = p + i * OP_NUMBERS, kind = a[o], width = Math.max(1, a[o + 8] * scales.width), style = a[o + 9];
      if (only >= 0 && kind !== only && kind !== FONTSIZE) continue;
      if (kind === LINE) {
        const key = a[o + 7] * 64 + width * 4 + style;
        if (key !== pen) {
          flush();
          stroke(ctx, a[o + 7], width, style);
          ctx.beginPath();
          pen = key;
        }
        const off = Math.round(width) % 2 ? 0.5 : 0;
        ctx.moveTo(Math.floor(dx(a[o + 1])) + off, Math.floor(dy(a[o + 2])) + off);
        ctx.lineTo(Math.floor(dx(a[o + 3])) + off, Math.floor(dy(a[o + 4])) + off);
        continue;
      }
      flush();
      if (kind === CLS) {
        ctx.fillStyle = back;
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
        ctx.font = points * scales.point + 'px "DejaVu Sans", sans-serif';
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

  // "Bild speichern": asks for the file's name as the desktop does (nothing typed: the
  // desktop's name); what the desktop window saves (the element and the rays, without
  // marks) as an SVG for ".svg" (and ".pdf", which a browser cannot write), a PNG for
  // ".png", a bitmap otherwise; the whole picture comes back after.
  function savePicture() {
    const typed = window.prompt(windowTable.savePrompt || '', '');
    if (typed === null) return;
    let name = (typed.trim() || windowTable.pictureFile || 'Varelo.bmp').replace(/^.*[\\/]/, '');
    const ext = (/\.([^.]*)$/.exec(name) || [])[1]?.toLowerCase() || '';
    const n = api.drawSaved();
    if (ext === 'svg' || ext === 'pdf') {
      name = name.replace(/\.pdf$/i, '.svg');
      download(new Blob([svgOf(n)], { type: 'image/svg+xml' }), name);
      show(api.event('Redraw', '', 0, 0, 0));
      return;
    }
    picturePaint(n);
    const out = document.createElement('canvas');
    out.width = base.width;
    out.height = base.height;
    out.getContext('2d').drawImage(base, 0, 0);
    show(api.event('Redraw', '', 0, 0, 0));
    if (ext === 'png') out.toBlob(blob => download(blob, name), 'image/png');
    else download(bitmapOf(out), name);
  }

  // The picture's operations as SVG, in its device pixels.
  function svgOf(n) {
    const a = core.HEAPF64, p = api.ops() / 8, [left, top, sw, sh] = [0, 1, 2, 3].map(i => api.scale(i));
    const W = base.width, H = base.height, kx = W / sw, ky = H / sh;
    const dx = x => ((x - left) * kx).toFixed(2), dy = y => ((y - top) * ky).toFixed(2);
    const esc = t => t.replace(/&/g, '&amp;').replace(/</g, '&lt;');
    const dash = style => (style === DOTTED ? ' stroke-dasharray="1 2"' : style === DASHDOT ? ' stroke-dasharray="4 2 1 2"' : '');
    const out = [`<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}">`, '<title>Varelo</title>'];
    let points = 12;
    for (let i = 0; i < n; i++) {
      const o = p + i * OP_NUMBERS, kind = a[o], c = colour(a[o + 7]), width = a[o + 8], style = a[o + 9];
      if (kind === CLS) out.push(`<rect width="${W}" height="${H}" fill="#fff"/>`);
      else if (kind === LINE)
        out.push(`<line x1="${dx(a[o + 1])}" y1="${dy(a[o + 2])}" x2="${dx(a[o + 3])}" y2="${dy(a[o + 4])}" stroke="${c}" stroke-width="${width}"${dash(style)}/>`);
      else if (kind === PSET) out.push(`<circle cx="${dx(a[o + 1])}" cy="${dy(a[o + 2])}" r="${width / 2}" fill="${c}"/>`);
      else if (kind === CIRCLE)
        out.push(`<circle cx="${dx(a[o + 1])}" cy="${dy(a[o + 2])}" r="${Math.abs(a[o + 3] * kx).toFixed(2)}" fill="none" stroke="${c}" stroke-width="${width}"${dash(style)}/>`);
      else if (kind === ARC) {
        // Counter-clockwise on the screen from the start angle.
        const r = Math.abs(a[o + 3] * kx), cx = +dx(a[o + 1]), cy = +dy(a[o + 2]);
        let span = a[o + 6] - a[o + 5];
        if (span <= 0) span += 2 * Math.PI;
        const x0 = cx + r * Math.cos(a[o + 5]), y0 = cy - r * Math.sin(a[o + 5]);
        const x1 = cx + r * Math.cos(a[o + 5] + span), y1 = cy - r * Math.sin(a[o + 5] + span);
        out.push(`<path d="M${x0.toFixed(2)} ${y0.toFixed(2)}A${r.toFixed(2)} ${r.toFixed(2)} 0 ${span > Math.PI ? 1 : 0} 0 ${x1.toFixed(2)} ${y1.toFixed(2)}" fill="none" stroke="${c}" stroke-width="${width}"${dash(style)}/>`);
      } else if (kind === FONTSIZE) points = a[o + 1] || points;
      else if (kind === TEXT)
        out.push(`<text x="${dx(a[o + 1])}" y="${dy(a[o + 2])}" dominant-baseline="hanging" font-family="DejaVu Sans, sans-serif" font-size="${(points * 96 / 72 * ratio).toFixed(1)}" fill="${c}">${esc(api.opText(i))}</text>`);
    }
    out.push('</svg>');
    return out.join('\n');
  }

  // A canvas as a Windows bitmap: 24 bits, rows from the bottom, each padded to four bytes.
  function bitmapOf(cv) {
    const w = cv.width, h = cv.height, rgba = cv.getContext('2d').getImageData(0, 0, w, h).data;
    const row = (w * 3 + 3) & ~3, size = 54 + row * h, buf = new ArrayBuffer(size), v = new DataView(buf);
    v.setUint16(0, 0x4d42, true);
    v.setUint32(2, size, true);
    v.setUint32(10, 54, true);
    v.setUint32(14, 40, true);
    v.setInt32(18, w, true);
    v.setInt32(22, h, true);
    v.setUint16(26, 1, true);
    v.setUint16(28, 24, true);
    v.setUint32(34, row * h, true);
    const bytes = new Uint8Array(buf);
    for (let y = 0; y < h; y++)
      for (let x = 0, d = 54 + (h - 1 - y) * row, s = y * w * 4; x < w; x++, d += 3, s += 4) {
        bytes[d] = rgba[s + 2];
        bytes[d + 1] = rgba[s + 1];
        bytes[d + 2] = rgba[s];
      }
    return new Blob([buf], { type: 'image/bmp' });
  }

  // "Bild drucken": the title asked for as the desktop does, then the desktop's page (the
  // picture with the printer's look, the title, the parameter lines and the scale bar) on an
  // A4 sheet in the window's orientation, printed by the browser's dialog.
  function printPage() {
    const p = windowTable.print || {};
    const title = window.prompt(p.prompt || '', '') ?? '';
    const dpi = 200, [wmm, hmm] = p.landscape ? [277, 190] : [190, 277];
    const twips = [wmm, hmm].map(v => v / 25.4 * 1440);
    const n = api.printPage(title, twips[0], twips[1], dpi);
    let cv = document.getElementById('print-page');
    if (!cv) {
      cv = document.createElement('canvas');
      cv.id = 'print-page';
      cv.setAttribute('aria-hidden', 'true');
      document.body.appendChild(cv);
    }
    cv.width = Math.round(twips[0] * dpi / 1440);
    cv.height = Math.round(twips[1] * dpi / 1440);
    // A hair under the printable area, so that rounding never starts a second sheet.
    cv.style.width = `${wmm - 1}mm`;
    cv.style.height = `${hmm - 1}mm`;
    const ctx = cv.getContext('2d');
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, cv.width, cv.height);
    paintOps(ctx, core.HEAPF64, api.ops() / 8, n, [0, 0, cv.width, cv.height], i => api.opText(i), -1, '#fff',
             { width: dpi / 600, point: dpi / 72 });
    let sheet = document.getElementById('print-sheet');
    if (!sheet) {
      sheet = document.createElement('style');
      sheet.id = 'print-sheet';
      document.head.appendChild(sheet);
    }
    sheet.textContent = `@page { size: A4 ${p.landscape ? 'landscape' : 'portrait'}; margin: 1cm; }`;
    window.print();
  }

  // For the tests and the benchmark page: the core's calls and what the page keeps.
  const testing = {
    send, show, redraw, stats, FULL, LIVE, openLesson, svgOf, bitmapOf,
    get api() { return api; },
    get core() { return core; },
    get canvases() { return { base, live }; },
    get controls() { return controls; },
    get windowTable() { return windowTable; },
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
  document.body.textContent = 'Varelo: ' + e;
});
