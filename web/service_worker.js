// Keeps the page's files in a cache named by the release, so that after one visit the game starts
// and plays with no network. A new release's worker fills its own cache, waits until the page
// asks it to take over (offline.js), and then removes the caches of the releases before it.
const release = 'varn-@PROJECT_VERSION@';
const files = ['./', 'index.html', 'first_screen.png', 'first_screen_2x.png', 'screen_fit.js',
               'offline.js', 'qtloader.js', 'Varn.js', 'Varn.wasm', 'manifest.webmanifest',
               'varn_32.png', 'varn_192.png', 'varn_512.png'];

self.addEventListener('install', (event) => {
  // Past the browser's own cache, which may still hold the previous release's files.
  const fresh = files.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(release).then((cache) => cache.addAll(fresh)));
});

self.addEventListener('message', (event) => {
  if (event.data === 'take over')
    self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith('varn-') && name !== release)
      .map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(release)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
