// The page's windows, as the core's front-end asks for them (see page.h):
// framed windows that the user can move by their title bars and bring to
// the front, each holding its controls in a shadow root of its own, so that
// every control's id is its design's name; message boxes; and the end of
// the program. Every key, focus, press and event of a control is reported to
// the core, which decides what it does.
import { attachSpinners } from './spinner.js';

const desktop = document.getElementById('desktop');
const windows = new Map(); // handle → { frame, root }
let tavrel = null; // the module; null once the program has ended
let controlsSheet = null; // controls.css, shared by every window
let lastHandle = 0;
let topZ = 0;

export function connect(module, controlsText) {
  tavrel = module;
  controlsSheet = sheet(controlsText);
}

// Stylesheets built from text, which a strict Content-Security-Policy allows
// where it refuses <style> elements and style attributes.
function sheet(text) {
  const built = new CSSStyleSheet();
  built.replaceSync(text);
  return built;
}

// Calls the core; its answer, or 0 once the program has ended.
function report(name, ...args) {
  if (!tavrel) return 0;
  return tavrel.ccall(name, 'number',
                      args.map((a) => (typeof a === 'string' ? 'string' : 'number')), args);
}

const control = (handle, id) => windows.get(handle).root.getElementById(id);

function activate(frame) {
  for (const { frame: other } of windows.values()) other.classList.toggle('active', other === frame);
  frame.style.zIndex = ++topZ;
}

// Every key of a control goes to the core; what it takes, the page does not do.
function onKey(event, handle, root) {
  const focused = root.activeElement;
  if (!focused?.id) return;
  // The arrows move only what the core moves: WebKit would move between options with Ctrl or Alt.
  if (event.key.startsWith('Arrow')) event.preventDefault();
  if (report('tavrel_key', handle, focused.id, event.key, +event.shiftKey, +event.ctrlKey,
             +event.altKey)) event.preventDefault();
}

// The title bar moves the window, within reach on the page.
function makeMovable(handle, frame, title) {
  title.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || event.target.closest('button')) return;
    const start = { x: event.clientX - frame.offsetLeft, y: event.clientY - frame.offsetTop };
    title.setPointerCapture(event.pointerId);
    const drag = (e) => {
      const maxLeft = document.documentElement.clientWidth - 40;
      move(handle, Math.min(Math.max(e.clientX - start.x, 40 - frame.offsetWidth), maxLeft),
           Math.max(e.clientY - start.y, 0));
    };
    title.addEventListener('pointermove', drag);
    title.addEventListener('lostpointercapture',
                           () => title.removeEventListener('pointermove', drag), { once: true });
  });
}

export function open(role, frameMarkup, markup, style) {
  const handle = ++lastHandle;
  // The main window as the build drew it, inert until now, is the core's.
  let frame = role === 'main' && desktop.querySelector('main.window[inert]');
  if (!frame) {
    desktop.insertAdjacentHTML('beforeend', frameMarkup);
    frame = desktop.lastElementChild;
  }
  frame.inert = false;
  const title = frame.querySelector('.title');
  const client = frame.querySelector('.client');
  const root = client.shadowRoot ?? client.attachShadow({ mode: 'open' });
  root.adoptedStyleSheets = [controlsSheet, sheet(style)];
  root.innerHTML = markup;
  const entry = { frame, root };
  windows.set(handle, entry);
  if (role === 'main') {
    fitted = frame;
    fit(); // before the core places it in the zoomed page
  }

  root.addEventListener('input', (event) => {
    if (event.target.matches('.box')) report('tavrel_change', handle, event.target.id);
  });
  root.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (button) report('tavrel_click', handle, button.id);
  });
  attachSpinners(root, {
    arrow: (id, event) => report('tavrel_arrow', handle, id, event),
    finger: (id) => report('tavrel_finger', handle, id),
    slide: (pixelsUp) => report('tavrel_slide', handle, pixelsUp),
    wheel: (id, mode, delta) => report('tavrel_wheel', handle, id, mode, delta),
  });
  title.lastChild.addEventListener('click', () => report('tavrel_close', handle));
  frame.addEventListener('keydown', (event) => onKey(event, handle, root));
  frame.addEventListener('focusin', () => activate(frame));
  // Heard inside the shadow root: a move between its own controls stops at its border.
  root.addEventListener('focusin', (event) => {
    if (event.target.id) report('tavrel_focus', handle, event.target.id);
  });
  // A press anywhere in a window brings it to the front; one where nothing
  // takes the focus lets the core give the window back its own.
  frame.addEventListener('pointerdown', () => {
    activate(frame);
    requestAnimationFrame(() => {
      if (document.activeElement === document.body) report('tavrel_activate', handle);
    });
  });
  makeMovable(handle, frame, title);
  return handle;
}

export function setCaption(handle, caption) {
  windows.get(handle).frame.querySelector('.caption').textContent = caption;
}

// A touch screen zooms the page so that the main window fills its width or
// its height, whichever it meets first: all of it in view, at the largest
// size. Again when the screen turns, each window kept in view.
const touch = matchMedia('(pointer: coarse)');
let fitted = null;

function fit() {
  if (!touch.matches || !fitted?.isConnected) return;
  const { width, height, scale } = visualViewport;
  // A pixel to spare each way, which rounding may take.
  const zoom = Math.min((width * scale) / (fitted.offsetWidth + 2),
                        (height * scale) / (fitted.offsetHeight + 2));
  document.querySelector('meta[name=viewport]').content =
    `width=${Math.floor((width * scale) / zoom)}, initial-scale=${zoom}, minimum-scale=${zoom}`;
  const { clientWidth, clientHeight } = document.documentElement;
  for (const { frame: f } of windows.values()) {
    place(f, Math.max(0, Math.min(f.offsetLeft, clientWidth - f.offsetWidth)),
         Math.max(0, Math.min(f.offsetTop, clientHeight - f.offsetHeight)));
  }
}
addEventListener('orientationchange', () => setTimeout(fit, 100));

export function show(handle) {
  const { frame } = windows.get(handle);
  frame.classList.remove('unshown');
  activate(frame);
}

// Politely, after whatever is being read; the same text again is heard again.
export function announce(text) {
  const heard = document.getElementById('heard');
  heard.textContent = heard.textContent === text ? `${text}\u00a0` : text;
}

export function hide(handle) {
  windows.get(handle).frame.classList.add('unshown');
}

export function close(handle) {
  windows.get(handle).frame.remove();
  windows.delete(handle);
}

export function frame(handle) {
  const { offsetLeft: left, offsetTop: top, offsetWidth: width, offsetHeight: height } =
    windows.get(handle).frame;
  return [left, top, left + width, top + height];
}

// What the user sees of the page, zoomed in or not.
export function workArea() {
  const { pageLeft, pageTop, width, height } = visualViewport;
  return [pageLeft, pageTop, pageLeft + width, pageTop + height].map(Math.floor);
}

function place(frame, left, top) {
  Object.assign(frame.style, { left: `${left}px`, top: `${top}px` });
}

export function move(handle, left, top) { place(windows.get(handle).frame, left, top); }

export const text = (handle, id) => control(handle, id).value;
export function setText(handle, id, value) { control(handle, id).value = value; }
export const checked = (handle, id) => control(handle, id).checked;
export function select(handle, id) { control(handle, id).checked = true; }
export function focus(handle, id) {
  activate(windows.get(handle).frame);
  const element = control(handle, id);
  element.focus();
  // Whole, on a zoomed page: the browser's own scroll may leave it cut at an edge.
  element.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  if (element.matches('.box')) element.select(); // as the desktop's Tab selects a box's text
}
export function setHidden(handle, id, hidden) { control(handle, id).hidden = hidden; }
export function setStyle(handle, id, property, value) {
  control(handle, id).style.setProperty(property, value);
}
export function setAttribute(handle, id, name, value) {
  if (value === null) control(handle, id).removeAttribute(name);
  else control(handle, id).setAttribute(name, value);
}

let lastMessage = 0;

// A message box over every window, until OK (or Esc, or Enter).
export function message(title, body) {
  const id = `message-${++lastMessage}`;
  const dialog = document.createElement('dialog');
  dialog.className = 'window active message';
  dialog.setAttribute('aria-labelledby', `${id}-title`);
  dialog.setAttribute('aria-describedby', `${id}-text`);
  dialog.innerHTML = `<div class="title"><span class="caption" id="${id}-title"></span></div>` +
    `<div class="body"><p id="${id}-text"></p><button class="default" type="button">OK</button></div>`;
  dialog.querySelector('.caption').textContent = title;
  dialog.querySelector('p').textContent = body;
  dialog.querySelector('button').addEventListener('click', () => dialog.close());
  dialog.addEventListener('close', () => dialog.remove());
  document.body.append(dialog);
  dialog.showModal();
}

// Ends the program at once: the windows go, and the page says so. An
// installed app's own window closes; a browser's tab stays, to start again.
export function end() {
  tavrel = null;
  for (const { frame: f } of windows.values()) f.remove();
  windows.clear();
  for (const dialog of document.querySelectorAll('dialog')) dialog.remove();
  document.getElementById('ended').hidden = false;
  document.getElementById('restart').focus();
  // A tab of the browser is the user's, and may even close: only an app's own window does (asked by
  // name, since WebKitGTK answers no display mode, not even the browser's).
  if (matchMedia('(display-mode: standalone), (display-mode: minimal-ui)').matches) window.close();
}
