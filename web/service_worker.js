// The page's offline copy: on the first visit, every file of the page goes
// into a cache named after this build; the page then loads from it, with the
// network or without.
//
// A page loads one build's files whole. A new build is a new worker with a
// cache of its own, filled whole or not at all (addAll); until it is full
// the worker is not installed, and the old one serves on. Once installed it
// waits, as workers do, until no page of the old build is open, and only
// then takes over and drops the old caches: a page of the old build, still
// fetching its files, gets them all from the old cache, and a page opened
// after gets all of the new. Nor does a worker take over the page that
// installed it: that page came from the network, and keeps to it.
'use strict';
const Cache = 'quillo-zoruri-@BUILD@';
const Files = [@FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(Cache)
    .then((cache) => cache.addAll(Files.map((file) => new Request(file, { cache: 'reload' })))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('quillo-zoruri-') && name !== Cache)
      .map((name) => caches.delete(name)))));
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
