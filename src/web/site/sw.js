// Keeps the calculator for use offline. Each build gives this file a new
// version, so the browser takes the new build in the background and the
// next visit opens it; the old one's files are then let go.
"use strict";
const CACHE = "trelvani-@@VERSION@@";
const FILES = ["./", "index.html", "manifest.webmanifest", "icono-192.png", "icono-512.png",
  "icono-maskable-512.png", "apple-touch-icon.png", "estudio.bin", "modulo-estudio.bin"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The kept copy first, with or without a query or a fragment; the network
// only for what was never kept.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(request)));
});
