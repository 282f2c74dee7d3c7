// After one visit the page's files are kept by its service worker (service_worker.js), and the
// game starts with no network. A release found while the page is open waits until the player
// moves to it, so that one page never mixes the files of two.
if ('serviceWorker' in navigator) {
  const update = document.getElementById('update');
  let asked = false;
  navigator.serviceWorker.register('service_worker.js').then((registration) => {
    const offer = (worker) => {
      update.hidden = false;
      update.querySelector('a').onclick = (event) => {
        event.preventDefault();
        asked = true;
        worker.postMessage('take over');
      };
    };
    const watch = (worker) => worker.addEventListener('statechange', () => {
      if (worker.state === 'installed' && navigator.serviceWorker.controller)
        offer(worker);
    });
    if (registration.waiting && navigator.serviceWorker.controller)
      offer(registration.waiting);
    registration.addEventListener('updatefound', () => watch(registration.installing));
  });
  // Another tab may have moved to the new release: this one keeps its game, and still offers it.
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (asked)
      location.reload();
  });
}
