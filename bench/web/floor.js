"use strict";
createGelvor().then(() => { document.documentElement.dataset.ready = ""; });
