// Debian's chromium, headless, driven through puppeteer-core: a browser on a
// fresh profile, and pages of the web edition opened until they say they are
// ready (once its module runs, the page marks <html data-ready>, and the
// moment in its performance timeline as "ready").
import puppeteer from "puppeteer-core";

const chromium = process.env.GELVOR_CHROMIUM ?? "/usr/bin/chromium";

// The browser asks for no updates, sync or first-run pages: this machine
// has no network. Its profile is a new folder in /tmp that puppeteer removes
// when the browser closes.
export async function launchBrowser() {
  const args = [
    "--headless", "--disable-gpu", "--disable-background-networking",
    "--disable-component-update", "--disable-sync", "--no-first-run",
  ];
  if (process.getuid?.() === 0) {
    args.push("--no-sandbox"); // chromium's sandbox does not run as root
  }
  try {
    return await puppeteer.launch({
      executablePath: chromium, headless: true, args, timeout: 30_000, protocolTimeout: 30_000,
    });
  } catch (error) {
    throw new Error(`${chromium} did not start (scripts/deps test installs it): ${error.message}`);
  }
}

// Opens `url` in a context of its own (no cache, no storage from before) and
// waits for the page to be ready. Returns the page, every URL it asked for,
// what it failed to load or reported as an error, and readyMs: the time from
// the start of the navigation to the page's "ready" mark. `downloads` names a
// folder for the files the page downloads; `device`, what page.emulate
// takes, the screen the page opens on; `cpuSlowdown`, how many times slower
// the page's processor runs (a cheaper phone).
export async function openReadyPage(browser, url, { timeout = 15_000, downloads, device, cpuSlowdown } = {}) {
  const context = await browser.createBrowserContext(
    downloads ? { downloadBehavior: { policy: "allow", downloadPath: downloads } } : {});
  const page = await context.newPage();
  if (device) await page.emulate(device);
  if (cpuSlowdown) await page.emulateCPUThrottling(cpuSlowdown);
  const requests = [];
  const errors = [];
  page.on("request", (request) => requests.push(request.url()));
  page.on("pageerror", (error) => errors.push(error.message));
  page.on("response", (response) => {
    if (response.status() >= 400) errors.push(`${response.status()} ${response.url()}`);
  });
  page.on("requestfailed", (request) => errors.push(`failed ${request.url()}`));
  page.on("console", (message) => {
    // A resource that did not load is already there with its address.
    if (message.type() === "error" && !message.text().startsWith("Failed to load resource")) {
      errors.push(message.text());
    }
  });
  try {
    await page.goto(url, { waitUntil: "domcontentloaded", timeout });
    await page.waitForSelector("html[data-ready]", { timeout });
    const readyMs = await page.evaluate(
      () => performance.getEntriesByName("ready", "mark")[0]?.startTime);
    return { page, requests, errors, readyMs };
  } catch (error) {
    await context.close();
    const seen = errors.length ? `; the page said: ${errors.join(" | ")}` : "";
    throw new Error(`${url} was not ready: ${error.message}${seen}`);
  }
}

// A phone held upright: 390 by 844 CSS pixels, a touch screen.
export const phone = {
  viewport: { width: 390, height: 844, deviceScaleFactor: 1, isMobile: true, hasTouch: true },
  userAgent: "",
};

// Serves the folder `root` over HTTP on 127.0.0.1, with the types a browser
// needs (.wasm as application/wasm). Returns {url, close}.
export async function serveFolder(root) {
  const { createServer } = await import("node:http");
  const { existsSync, readFileSync, statSync } = await import("node:fs");
  const path = await import("node:path");
  const types = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
    ".css": "text/css", ".svg": "image/svg+xml", ".webmanifest": "application/manifest+json" };
  const server = createServer((request, response) => {
    let file = path.join(root, decodeURIComponent(new URL(request.url, "http://x").pathname));
    if (existsSync(file) && statSync(file).isDirectory()) file = path.join(file, "index.html");
    if (!file.startsWith(root) || !existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": types[path.extname(file)] ?? "text/plain" });
    response.end(readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// What axe-core finds against WCAG 2.1 A and AA in the page as it stands:
// [{id, impact, nodes: [selector and what to fix]}]. The page's own security
// policy does not stop it: the browser's tools run it.
export async function axeViolations(page) {
  const { readFileSync } = await import("node:fs");
  const { createRequire } = await import("node:module");
  const source = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
  if (!(await page.evaluate(() => typeof window.axe === "object"))) await page.evaluate(source);
  return page.evaluate(async () => {
    const tags = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"];
    const result = await window.axe.run(document, {
      runOnly: { type: "tag", values: tags }, resultTypes: ["violations"],
    });
    return result.violations.map((v) => ({
      id: v.id, impact: v.impact,
      nodes: v.nodes.map((n) => `${n.target.join(" ")}: ${n.failureSummary}`),
    }));
  });
}

// How many pixels differ between two PNG screenshots of the same size,
// decoded by the browser in a blank page of its own, kept for the next.
const decoders = new WeakMap();
export async function pixelsChanged(browser, before, after) {
  if (!decoders.has(browser)) decoders.set(browser, browser.newPage());
  const page = await decoders.get(browser);
  return page.evaluate(async (a, b) => {
    const pixels = async (base64) => {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const image = await createImageBitmap(new Blob([bytes], { type: "image/png" }));
      const canvas = new OffscreenCanvas(image.width, image.height);
      const context = canvas.getContext("2d");
      context.drawImage(image, 0, 0);
      return context.getImageData(0, 0, image.width, image.height).data;
    };
    const [p, q] = [await pixels(a), await pixels(b)];
    if (p.length !== q.length) return Infinity;
    let changed = 0;
    for (let i = 0; i < p.length; i += 4) {
      if (p[i] !== q[i] || p[i + 1] !== q[i + 1] || p[i + 2] !== q[i + 2]) changed++;
    }
    return changed;
  }, Buffer.from(before).toString("base64"), Buffer.from(after).toString("base64"));
}

// The file chooser that the page's file `input` will open, as {chosen}, a
// promise of what accepts the files. Headless chromium now and then shows no
// chooser for a click it was asked to intercept; when the page did click its
// input, the input is then given the files itself.
export async function fileChooser(page, input) {
  await page.$eval(input, (e) => {
    e.dataset.asked = "0";
    e.addEventListener("click", () => { e.dataset.asked = "1"; }, { once: true });
  });
  const chosen = page.waitForFileChooser({ timeout: 5_000 }).catch(async (error) => {
    if (await page.$eval(input, (e) => e.dataset.asked) !== "1") throw error;
    const handle = await page.$(input);
    return { accept: (files) => handle.uploadFile(...files) };
  });
  return { chosen };
}
