// The service worker: keeps every file of the page, so after the first visit the page opens
// and plans with no network. tools/build-web writes the version and the file list in.
const version = "__VERSION__";
const files = __FILES__;
const cacheName = "tarnwick-" + version;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith("tarnwick-") && n !== cacheName)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// Cached files first (they belong together: a page, its engine and its worker of one
// version); anything else goes to the network.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(cacheName).then(async (cache) => {
    const url = new URL(request.url);
    const path = url.pathname.endsWith("/") ? url.pathname + "index.html" : url.pathname;
    return (await cache.match(path, { ignoreSearch: true })) ?? fetch(request);
  }));
});
