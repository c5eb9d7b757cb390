"use strict";
createGelvor().then(() => {
  performance.mark("ready");
  document.documentElement.dataset.ready = "";
});
