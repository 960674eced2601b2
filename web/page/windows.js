// The page's windows, as the core's front-end asks for them (see page.h):
// framed windows that the user can move by their title bars and bring to
// the front, each holding its controls in a shadow root of its own, so that
// every control's id is its design's name; the desktop's keys; message
// boxes; and the end of the program. Every event of a control is reported
// to the core, which decides what it does.
import { attachSpinners } from './spinner.js';

const desktop = document.getElementById('desktop');
const windows = new Map(); // handle → { frame, root, lastFocus }
let tavrel = null; // the module; null once the program has ended
let controlsStyle = '';
let lastHandle = 0;
let topZ = 0;

export function connect(module, style) {
  tavrel = module;
  controlsStyle = style;
}

function report(name, ...args) {
  if (!tavrel) return;
  tavrel.ccall(name, null, args.map((a) => (typeof a === 'number' ? 'number' : 'string')), args);
}

const control = (handle, id) => windows.get(handle).root.getElementById(id);

// The controls Tab stops at, in order: of an option group, the checked one.
function tabStops(root) {
  return [...root.querySelectorAll('input, button, [tabindex="0"]')].filter((element) =>
    !element.closest('[hidden]') && (element.type !== 'radio' || element.checked));
}

function activate(frame) {
  for (const { frame: other } of windows.values()) other.classList.toggle('active', other === frame);
  frame.style.zIndex = ++topZ;
}

function focusInside(entry) {
  if (entry.frame.contains(document.activeElement) && entry.root.activeElement) return;
  const target = entry.lastFocus?.isConnected && !entry.lastFocus.closest('[hidden]')
    ? entry.lastFocus : tabStops(entry.root)[0];
  target?.focus();
}

// Enter and Esc as on the desktop, and Tab round the window's own controls.
function onKey(event, entry) {
  if (event.altKey || event.ctrlKey || event.metaKey) return;
  const focused = entry.root.activeElement;
  if (event.key === 'Tab') {
    const stops = tabStops(entry.root);
    const next = event.shiftKey ? (focused === stops[0] ? stops.at(-1) : null)
                                : (focused === stops.at(-1) ? stops[0] : null);
    if (next) {
      event.preventDefault();
      next.focus();
    }
  } else if (event.key === 'Enter' || event.key === 'Escape') {
    event.preventDefault();
    const defaultButton = entry.root.querySelector('button.default');
    if (!defaultButton) return;
    const pressed = event.key === 'Enter' && focused?.matches('button') ? focused : defaultButton;
    pressed.click();
  }
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

export function open(role, caption, markup) {
  const handle = ++lastHandle;
  const frame = document.createElement(role === 'main' ? 'main' : 'section');
  frame.className = 'window unshown centred'; // until placed
  if (role !== 'main') frame.setAttribute('role', role);
  frame.setAttribute('aria-labelledby', `caption-${handle}`);
  frame.innerHTML = `<div class="title"><span class="caption" id="caption-${handle}"></span>` +
    '<button class="close" type="button" tabindex="-1" title="Close" aria-label="Close"></button>' +
    '</div><div class="client"></div>';
  const title = frame.querySelector('.title');
  title.firstChild.textContent = caption;
  const root = frame.querySelector('.client').attachShadow({ mode: 'open' });
  root.innerHTML = `<style>${controlsStyle}</style>${markup}`;
  const entry = { frame, root, lastFocus: null };
  windows.set(handle, entry);
  desktop.append(frame);

  root.addEventListener('input', (event) => {
    if (event.target.matches('.box')) report('tavrel_change', handle, event.target.id);
  });
  root.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (button) report('tavrel_click', handle, button.id);
  });
  attachSpinners(root, (id, action) => report('tavrel_spin', handle, id, action),
                 (id, units) => report('tavrel_wheel', handle, id, units));
  title.lastChild.addEventListener('click', () => report('tavrel_close', handle));
  frame.addEventListener('keydown', (event) => onKey(event, entry));
  frame.addEventListener('focusin', () => {
    entry.lastFocus = root.activeElement;
    activate(frame);
  });
  // A press anywhere in a window brings it to the front; one where nothing
  // takes the focus gives the window back its own.
  frame.addEventListener('pointerdown', () => {
    activate(frame);
    requestAnimationFrame(() => {
      if (document.activeElement === document.body) focusInside(entry);
    });
  });
  makeMovable(handle, frame, title);
  return handle;
}

export function setCaption(handle, caption) {
  windows.get(handle).frame.querySelector('.caption').textContent = caption;
}

export function show(handle) {
  const entry = windows.get(handle);
  const { frame } = entry;
  if (frame.localName === 'main' && matchMedia('(pointer: coarse)').matches) {
    // Touch screens zoom the page so that the main window fills their width.
    document.querySelector('meta[name=viewport]').content = `width=${frame.offsetWidth}`;
  }
  frame.classList.remove('unshown');
  activate(frame);
  focusInside(entry);
}

// The program ends when none of its windows is left on the page.
function endWhenNoneShown() {
  if ([...windows.values()].every(({ frame }) => frame.classList.contains('unshown'))) end();
}

export function hide(handle) {
  windows.get(handle).frame.classList.add('unshown');
  endWhenNoneShown();
}

export function close(handle) {
  windows.get(handle).frame.remove();
  windows.delete(handle);
  endWhenNoneShown();
}

export function frame(handle) {
  const { offsetLeft: left, offsetTop: top, offsetWidth: width, offsetHeight: height } =
    windows.get(handle).frame;
  return [left, top, left + width, top + height];
}

export function workArea() {
  const { clientWidth, clientHeight } = document.documentElement;
  return [scrollX, scrollY, scrollX + clientWidth, scrollY + clientHeight];
}

export function move(handle, left, top) {
  const { frame: f } = windows.get(handle);
  f.classList.remove('centred');
  Object.assign(f.style, { left: `${left}px`, top: `${top}px` });
}

export const text = (handle, id) => control(handle, id).value;
export function setText(handle, id, value) { control(handle, id).value = value; }
export const checked = (handle, id) => control(handle, id).checked;
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
  window.close();
}
