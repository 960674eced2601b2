// Starts Tavrel: once the windows' stylesheet and the compiled core are
// loaded, the core opens its main window; then the service worker keeps
// every file for the next start, with or without the network. A build that
// came while an older one ran takes over now, and the page loads again.
import createTavrel from './tavrel.js';
import * as page from './windows.js';

document.getElementById('restart').addEventListener('click', () => location.reload());

try {
  // The stylesheet comes while the core compiles; the core starts once both are there.
  const style = fetch('controls.css').then((response) => response.text());
  await createTavrel({
    page,
    preRun: [(module) => {
      module.addRunDependency('controls.css');
      style.then((text) => {
        page.connect(module, text);
        module.removeRunDependency('controls.css');
      });
    }],
  });
} catch (error) {
  document.getElementById('unsupported').hidden = false;
  throw error;
}

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
