// The service worker: keeps the site's files of this build, so that the page opens offline once it has
// been loaded over HTTP. A new build has a new cache and removes the old ones.

// precache.js, written at build time: the site's files and a version taken from their contents.
declare const VARTEL_PRECACHE: { version: string; files: string[] };
const worker = self as unknown as ServiceWorkerGlobalScope;

worker.importScripts('precache.js');
const cacheName = `vartel-${VARTEL_PRECACHE.version}`;

worker.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(cacheName)
      .then((cache) => cache.addAll(VARTEL_PRECACHE.files))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n !== cacheName).map((n) => caches.delete(n))))
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(cacheName).then((cache) =>
      cache.match(event.request, { ignoreSearch: true }).then((hit) => hit ?? fetch(event.request)),
    ),
  );
});
