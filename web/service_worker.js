// The page's offline copy: on the first visit, every file of the page goes
// into a cache named after this build; the page then loads from it, with the
// network or without. A new build is a new worker with a new cache, which
// takes over and drops the old one.
'use strict';
const Cache = 'quillo-zoruri-@BUILD@';
const Files = [@FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(Cache)
    .then((cache) => cache.addAll(Files.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('quillo-zoruri-') && name !== Cache)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's files from the cache, the page's own whatever its query
// (?replay=, ?assist); anything else, such as a recording, from the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== self.location.origin) {
    return;
  }
  event.respondWith(caches.open(Cache)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
