// Starts Tavrel: once the windows' stylesheet and the compiled core are
// loaded, the core opens its main window; then the service worker keeps
// every file for the next start, with or without the network.
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
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
} catch (error) {
  document.getElementById('unsupported').hidden = false;
  throw error;
}
