'use strict';
// Keeps the test page's own files, so that it opens again with the network cut.
const kCache = 'driver-test-page';
const kFiles = ['./', 'index.html', 'page.js'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(kCache).then(cache => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', event => event.waitUntil(self.clients.claim()));
self.addEventListener('fetch', event => {
  event.respondWith(caches.match(event.request).then(kept => kept || fetch(event.request)));
});
