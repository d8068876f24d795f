// The hosted edition: once the page is ready, and so after the first click
// can be answered, the worker that keeps it for offline use is registered.
(function () {
  "use strict";
  if (!("serviceWorker" in navigator)) return;
  const register = () => setTimeout(() => navigator.serviceWorker.register("sw.js").catch(() => {}), 0);
  if (document.documentElement.dataset.ready === "true") return register();
  new MutationObserver((changes, observer) => {
    if (document.documentElement.dataset.ready !== "true") return;
    observer.disconnect();
    register();
  }).observe(document.documentElement, { attributes: true, attributeFilter: ["data-ready"] });
})();
