// The server's page asks to be kept for offline use once it has loaded, so
// that keeping its files does not slow its start. A page opened from disk
// has nothing to keep, and a browser may refuse a worker (outside https or
// localhost, or in a private window): the page works online all the same.
"use strict";

if ("serviceWorker" in navigator && location.protocol !== "file:") {
  window.addEventListener("load", () => {
    navigator.serviceWorker.register("service-worker.js").catch((error) => {
      console.warn(error);
    });
  });
}
