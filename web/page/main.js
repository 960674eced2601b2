// Starts Tavrel: once the windows' stylesheet and the compiled core are
// loaded, the core opens its main window; then the service worker keeps
// every file for the next start, with or without the network. A build that
// came while an older one ran takes over now, and the page loads again.
// Whatever fails to load, or is missing from the browser, the page says so.

document.getElementById('stalled').remove(); // this script runs
document.getElementById('restart').addEventListener('click', () => location.reload());

// What the page needs of a browser, by the name a user may look up.
const features = {
  WebAssembly: () => typeof WebAssembly === 'object',
  'constructable stylesheets': () => 'adoptedStyleSheets' in ShadowRoot.prototype,
  'dialog elements': () => typeof HTMLDialogElement === 'function',
  'pointer events': () => typeof PointerEvent === 'function',
};

// What failed, and what the user can do, in view over anything drawn so far.
function fail(text, error) {
  document.getElementById('desktop').hidden = true;
  document.getElementById('failure').textContent = text;
  document.getElementById('failed').hidden = false;
  document.getElementById('reload').addEventListener('click', () => location.reload());
  document.getElementById('reload').focus();
  if (error) console.error(error);
}

// A file that would not load: the page says which, and what to do.
async function load(file, loader) {
  try {
    return await loader();
  } catch (error) {
    fail(`Its file ${file} could not be loaded. Check the connection and load the page again; ` +
         'if this stays, the site that serves Tavrel lacks the file.', error);
    return null;
  }
}

async function start() {
  const missing = Object.keys(features).filter((name) => !features[name]());
  if (missing.length) {
    fail(`This browser lacks ${missing.join(', ')}. Open Tavrel in a browser of 2023 or later.`);
    return;
  }
  // WebKit may run this script before the page's stylesheet has come (from a
  // service worker still starting, say); the load event waits for every sheet.
  if (document.readyState !== 'complete') {
    await new Promise((resolve) => addEventListener('load', resolve, { once: true }));
  }
  if (!getComputedStyle(document.documentElement).getPropertyValue('--tavrel').trim()) {
    fail('Its file tavrel.css could not be loaded. Check the connection and load the page ' +
         'again; if this stays, the site that serves Tavrel lacks the file.');
    return;
  }
  // The stylesheet comes while the core compiles; the core starts once both are there.
  const style = load('controls.css', () => fetch('controls.css').then((response) => {
    if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
    return response.text();
  }));
  const page = await load('windows.js or spinner.js', () => import('./windows.js'));
  const { default: createTavrel } = await load('tavrel.js', () => import('./tavrel.js')) ?? {};
  const controls = await style;
  if (!page || !createTavrel || controls === null) return;
  await load('tavrel.wasm',
             () => createTavrel({ page, preRun: [(module) => page.connect(module, controls)] }));
}

await start();

// A build kept while an older one ran takes over at this start, and the
// page loads again. It is asked a moment after the start, once this start's
// own requests are over: asked while they run, it may wait on until every
// page of Tavrel is closed. Without a service worker (a page served without
// HTTPS), Tavrel only does not open offline.
navigator.serviceWorker?.register('sw.js').then(({ waiting }) => {
  if (!waiting || !navigator.serviceWorker.controller) return;
  navigator.serviceWorker.addEventListener('controllerchange', () => location.reload());
  setTimeout(() => waiting.postMessage('take over'), 1000);
}, () => {});
