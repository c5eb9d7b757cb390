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
// folder for the files the page downloads.
export async function openReadyPage(browser, url, { timeout = 15_000, downloads } = {}) {
  const context = await browser.createBrowserContext(
    downloads ? { downloadBehavior: { policy: "allow", downloadPath: downloads } } : {});
  const page = await context.newPage();
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
