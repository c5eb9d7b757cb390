// The page as a web app: both editions name themselves, show the window's
// icon and say in Spanish what is missing without JavaScript; the server's
// edition brings a manifest and, once visited, works with no network; the
// page in one file asks for nothing, worker nor manifest, and runs under
// its own security policy, which allows no eval.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { existsSync, readFileSync } from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { launchBrowser, openReadyPage, serveFolder } from "./browser.mjs";

const root = fileURLToPath(new URL("../..", import.meta.url));
const dist = path.join(root, "dist/web");
const onePage = pathToFileURL(path.join(dist, "gelvor.html")).href;

let browser;
let server;
before(async () => {
  assert.ok(existsSync(path.join(dist, "gelvor.html")), "dist/web/gelvor.html is missing: run scripts/build-web");
  browser = await launchBrowser();
  server = await serveFolder(dist);
});
after(async () => {
  await server?.close();
  await browser?.close();
});

// What the head says.
async function head(page) {
  return page.evaluate(() => ({
    description: document.querySelector('meta[name="description"]')?.content,
    icon: document.querySelector('link[rel="icon"]')?.href,
    manifest: document.querySelector('link[rel="manifest"]')?.href ?? null,
    policy: document.querySelector('meta[http-equiv="Content-Security-Policy"]')?.content,
  }));
}

// A flow step computes: the evaporator's bar moved up by its arrow key with
// the machine on changes the displays the pass writes.
async function computes(page) {
  await page.click("#Interruptor");
  if (await page.$("#notice[open]")) await page.click("#noticeAccept");
  const before = await page.$eval("#GaugeX2", (e) => e.getAttribute("aria-valuetext"));
  await page.focus("#VScroll1");
  for (let i = 0; i < 10; i++) await page.keyboard.press("ArrowUp");
  return before !== (await page.$eval("#GaugeX2", (e) => e.getAttribute("aria-valuetext")));
}

describe("the page as a web app", { timeout: 90_000 }, () => {
  test("says in Spanish, in both editions, what it needs when JavaScript is off", async () => {
    for (const url of [onePage, server.url]) {
      const context = await browser.createBrowserContext();
      try {
        const page = await context.newPage();
        await page.setJavaScriptEnabled(false);
        await page.goto(url, { waitUntil: "load" });
        const shown = await page.$eval("p.noscript", (e) => ({
          text: e.textContent, visible: e.checkVisibility(), lang: document.documentElement.lang }));
        assert.ok(shown.visible, url);
        assert.match(shown.text, /necesita JavaScript/, url);
        assert.equal(shown.lang, "es", url);
      } finally {
        await context.close();
      }
    }
  });

  test("in one file from disk: described, its icon inside, no worker, a policy without eval", async () => {
    const opened = await openReadyPage(browser, onePage);
    try {
      const { page, requests, errors } = opened;
      const said = await head(page);
      assert.ok(said.description.length > 40, said.description);
      assert.ok(said.icon.startsWith("data:image/svg+xml"), "the icon travels in the file");
      assert.equal(said.manifest, null);
      assert.match(said.policy, /default-src 'none'/);
      assert.doesNotMatch(said.policy, /'unsafe-eval'/);
      assert.ok(await computes(page), "a step computes under the policy");
      assert.deepEqual(requests.filter((url) => !url.startsWith("file:") && !url.startsWith("data:")), []);
      assert.equal(await page.evaluate(() => navigator.serviceWorker?.controller ?? null), null);
      assert.deepEqual(errors, [], "the policy stopped nothing");
    } finally {
      await opened.page.browserContext().close();
    }
  });

  test("from a server: the icon and manifest beside it, then offline after the first visit", async () => {
    const opened = await openReadyPage(browser, `${server.url}?locale=es_ES`);
    const { page, errors } = opened;
    try {
      const said = await head(page);
      assert.equal(said.icon, `${server.url}pictures/icon.svg`);
      assert.doesNotMatch(said.policy, /'unsafe-eval'/);
      const manifest = await page.evaluate(async (url) => (await fetch(url)).json(), said.manifest);
      assert.equal(manifest.lang, "es");
      assert.equal(manifest.description, said.description);
      const icon = await page.evaluate(async (url) => (await fetch(url)).status, said.icon);
      assert.equal(icon, 200);
      // The worker keeps the page's files, then takes the page over.
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 15_000 });
      assert.deepEqual(errors, []);

      await page.setOfflineMode(true);
      errors.length = 0;
      await page.reload({ waitUntil: "domcontentloaded" });
      await page.waitForSelector("html[data-ready]", { timeout: 15_000 });
      assert.ok(await computes(page), "the page kept offline computes");
      const kept = await page.evaluate(() => [...document.images].every((img) => img.naturalWidth > 0));
      assert.ok(kept, "every picture came from what was kept");
      assert.equal(await page.$eval("html", (e) => e.lang), "es");
      assert.deepEqual(errors.filter((e) => !e.startsWith("failed")), []);
    } finally {
      await page.setOfflineMode(false);
      await page.browserContext().close();
    }
  });

  test("keeps exactly the files the server's page loads", async () => {
    const worker = readFileSync(path.join(dist, "service-worker.js"), "utf8");
    const kept = JSON.parse(worker.match(/const files = (\[[^\]]*\])/)[1].replace(/,\s*\]/, "]"));
    for (const file of kept) assert.ok(existsSync(path.join(dist, file)), `${file} is kept but not built`);
    const opened = await openReadyPage(browser, server.url);
    try {
      await opened.page.waitForFunction(() => [...document.images].every((img) => img.complete));
      const loaded = new Set(opened.requests
        .filter((url) => url.startsWith(server.url) && !url.endsWith("service-worker.js"))
        .map((url) => new URL(url).pathname.slice(1).replace(/^$/, "index.html")));
      for (const file of loaded) assert.ok(kept.includes(file), `${file} is loaded but not kept`);
    } finally {
      await opened.page.browserContext().close();
    }
  });
});
