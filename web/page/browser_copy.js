// The notebook kept in the browser's storage while closing the page would
// lose readings, as the desktop keeps its recovery file: after every change,
// and at once when the page goes away. A page that starts finds the copies
// no open page holds (a reload, a crashed tab) and offers them back. Each
// page keeps its own copy, held by a lock while it is open, so that two
// pages do not take each other's.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.BrowserCopy = class {
  static prefix = "gelvor.registro.";

  // `keep()` says whether closing the page would lose readings (undefined
  // while it cannot say), `kept()` gives the notebook's file as the module
  // keeps it, `points()` how many readings it has; `notice(text)` shows what
  // stops a copy being kept, `notice(null)` takes it away.
  constructor({ keep, kept, points, notice, words }) {
    this.keep = keep;
    this.kept = kept;
    this.points = points;
    this.notice = notice;
    this.words = words;
    this.id = `${Date.now().toString(36)}-${Math.random().toString(36).slice(2, 10)}`;
    this.key = GelvorPage.BrowserCopy.prefix + this.id;
    this.timer = 0;
    this.tooLarge = null; // the readings of a copy that did not fit
    try {
      this.storage = window.localStorage;
    } catch {
      this.storage = null; // storage turned off for this page
    }
    // Held until the page goes: a copy whose lock is free has no page.
    navigator.locks?.request(this.key, () => new Promise(() => {}));
    addEventListener("pagehide", () => this.write());
    document.addEventListener("visibilitychange", () => {
      if (document.visibilityState === "hidden") this.write();
    });
  }

  // After a change: written soon, once a quick series of changes is over.
  changed() {
    clearTimeout(this.timer);
    this.timer = setTimeout(() => this.write(), 250);
  }

  write() {
    clearTimeout(this.timer);
    this.timer = 0;
    const keep = this.keep();
    if (keep === undefined) {
      this.changed(); // a file is being opened: once it is
      return;
    }
    if (!keep) {
      this.forget(this.id);
      this.tooLarge = null;
      this.notice(null);
      return;
    }
    if (!this.storage) {
      this.notice(this.words.unavailable);
      return;
    }
    // A notebook no smaller than one that did not fit is not written out
    // again after every change: a large one would stop the page each time.
    const points = this.points();
    if (this.tooLarge !== null && points >= this.tooLarge) return;
    try {
      this.storage.setItem(this.key, this.kept());
      this.storage.setItem(`${this.key}.datos`, JSON.stringify({ at: Date.now(), points }));
      this.tooLarge = null;
      this.notice(null);
    } catch {
      // Full: the copy last kept stays, better than none, and the page says
      // that it is no longer kept up to date.
      this.tooLarge = points;
      this.notice(this.words.full);
    }
  }

  forget(id) {
    this.storage?.removeItem(GelvorPage.BrowserCopy.prefix + id);
    this.storage?.removeItem(`${GelvorPage.BrowserCopy.prefix + id}.datos`);
  }

  // The copies of pages that are gone, the newest first: [{id, at, points}].
  async left() {
    if (!this.storage) return [];
    const copies = [];
    for (let i = 0; i < this.storage.length; i++) {
      const key = this.storage.key(i);
      if (!key?.startsWith(GelvorPage.BrowserCopy.prefix) || !key.endsWith(".datos")) continue;
      const id = key.slice(GelvorPage.BrowserCopy.prefix.length, -".datos".length);
      if (id === this.id) continue;
      let about = null;
      try {
        about = JSON.parse(this.storage.getItem(key));
      } catch {
        // damaged: dropped below
      }
      if (!about || this.storage.getItem(GelvorPage.BrowserCopy.prefix + id) === null) {
        this.forget(id);
        continue;
      }
      copies.push({ id, ...about });
    }
    const free = await Promise.all(copies.map((c) => this.unheld(c.id)));
    return copies.filter((c, i) => free[i]).sort((a, b) => b.at - a.at);
  }

  // Whether no open page holds the copy; without locks, a copy is taken to
  // be left.
  async unheld(id) {
    if (!navigator.locks) return true;
    return navigator.locks.request(GelvorPage.BrowserCopy.prefix + id, { ifAvailable: true },
      (lock) => lock !== null);
  }

  text(id) {
    return this.storage?.getItem(GelvorPage.BrowserCopy.prefix + id) ?? null;
  }
};
