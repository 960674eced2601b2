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
let controlsStyle = '';
let lastHandle = 0;
let topZ = 0;

export function connect(module, style) {
  tavrel = module;
  controlsStyle = style;
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

export function open(role, caption, markup) {
  const handle = ++lastHandle;
  const frame = document.createElement(role === 'main' ? 'main' : 'section');
  frame.className = 'window unshown'; // until the core shows it
  if (role !== 'main') frame.setAttribute('role', role);
  frame.setAttribute('aria-labelledby', `caption-${handle}`);
  frame.innerHTML = `<div class="title"><span class="caption" id="caption-${handle}"></span>` +
    '<button class="close" type="button" tabindex="-1" title="Close" aria-label="Close"></button>' +
    '</div><div class="client"></div>';
  const title = frame.querySelector('.title');
  title.firstChild.textContent = caption;
  const root = frame.querySelector('.client').attachShadow({ mode: 'open' });
  root.innerHTML = `<style>${controlsStyle}</style>${markup}`;
  const entry = { frame, root };
  windows.set(handle, entry);
  desktop.append(frame);

  root.addEventListener('input', (event) => {
    if (event.target.matches('.box')) report('tavrel_change', handle, event.target.id);
  });
  root.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (button) report('tavrel_click', handle, button.id);
  });
  attachSpinners(root, (id, event) => report('tavrel_arrow', handle, id, event),
                 (id, mode, delta) => report('tavrel_wheel', handle, id, mode, delta));
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

export function show(handle) {
  const { frame } = windows.get(handle);
  if (frame.localName === 'main' && matchMedia('(pointer: coarse)').matches) {
    // Touch screens zoom the page so that the main window fills their width.
    document.querySelector('meta[name=viewport]').content = `width=${frame.offsetWidth}`;
    Object.assign(frame.style, { left: '0px', top: '0px' });
  }
  frame.classList.remove('unshown');
  activate(frame);
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

export function workArea() {
  const { clientWidth, clientHeight } = document.documentElement;
  return [scrollX, scrollY, scrollX + clientWidth, scrollY + clientHeight];
}

export function move(handle, left, top) {
  const { frame: f } = windows.get(handle);
  Object.assign(f.style, { left: `${left}px`, top: `${top}px` });
}

export const text = (handle, id) => control(handle, id).value;
export function setText(handle, id, value) { control(handle, id).value = value; }
export const checked = (handle, id) => control(handle, id).checked;
export function select(handle, id) { control(handle, id).checked = true; }
export function focus(handle, id) {
  activate(windows.get(handle).frame);
  const element = control(handle, id);
  element.focus();
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
  window.close();
}
