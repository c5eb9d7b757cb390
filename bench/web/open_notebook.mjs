// How long the page takes to open a notebook of POINTS points as the page
// itself saves them (every reading written), from the file chosen to the
// table showing it, and the longest the page stops answering meanwhile (its
// longest task); the floor is a notebook of one point opened the same way.
// Medians of ROUNDS openings, each in a fresh page.
//   node bench/web/open_notebook.mjs PAGE.html [POINTS] [ROUNDS]   (default 10000 and 5)
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchBrowser, openReadyPage } from "../../tests/web/browser.mjs";

const [pageFile, pointsText = "10000", roundsText = "5"] = process.argv.slice(2);
if (!pageFile) {
  console.error("usage: node bench/web/open_notebook.mjs PAGE.html [POINTS] [ROUNDS]");
  process.exit(2);
}
const url = pathToFileURL(path.resolve(pageFile)).href + "?locale=es_ES";
const folder = mkdtempSync(path.join(tmpdir(), "gelvor-abrir-"));

// Opens `file` in `page`: milliseconds to the table, and the longest task.
async function openIn(page, file, count) {
  await page.evaluate(() => {
    window.longestTask = 0;
    new PerformanceObserver((list) => {
      for (const e of list.getEntries()) window.longestTask = Math.max(window.longestTask, e.duration);
    }).observe({ type: "longtask" });
  });
  const [chooser] = await Promise.all([page.waitForFileChooser(),
    page.evaluate(() => gelvorPage.notebook.open())]);
  const start = Date.now();
  await chooser.accept([file]);
  await page.waitForFunction((rows) =>
    document.getElementById("tablaRegistro").getAttribute("aria-rowcount") === String(rows) &&
    document.getElementById("progresoRegistro").hidden, { timeout: 300_000, polling: 10 }, count + 1);
  return { ms: Date.now() - start, longest: await page.evaluate(() => window.longestTask) };
}

// A notebook of `count` points as the page saves it: settings only, opened
// once so that the page computes every reading, then saved.
async function savedNotebook(browser, count) {
  const points = Array.from({ length: count }, (_, i) => ({
    number: i + 1,
    settings: { evaporator_flow: 4 + (i % 47), condenser_flow: 4 + ((i * 7) % 47),
      barometer: "1010", water: "15", ambient: String(10 + (i % 41)) },
    locale: "es_ES", readings: {}, note: i % 100 ? "" : `punto ${i + 1}`,
  }));
  const bare = path.join(folder, `${count}-ajustes.gelvor`);
  writeFileSync(bare, JSON.stringify({ format: "gelvor-registro", version: 1, points }));
  const { page } = await openReadyPage(browser, url);
  await openIn(page, bare, count);
  const saved = await page.evaluate(() => {
    const bytes = gelvorPage.notebook.gelvor.saveNotebook("").bytes;
    let text = "";
    for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return btoa(text);
  });
  await page.browserContext().close();
  const file = path.join(folder, `${count}.gelvor`);
  writeFileSync(file, Buffer.from(saved, "base64"));
  return file;
}

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await launchBrowser();
try {
  const points = Number(pointsText);
  const rounds = Number(roundsText);
  const results = {};
  for (const count of [1, points]) {
    const file = await savedNotebook(browser, count);
    const runs = [];
    for (let i = 0; i < rounds; i++) {
      const { page } = await openReadyPage(browser, url);
      runs.push(await openIn(page, file, count));
      await page.browserContext().close();
    }
    results[count] = { ms: median(runs.map((r) => r.ms)), longest: median(runs.map((r) => r.longest)) };
  }
  const big = results[points];
  const floor = results[1];
  console.log(`opening ${points} points: ${big.ms} ms, the page's longest task ${big.longest.toFixed(0)} ms`);
  console.log(`opening 1 point: ${floor.ms} ms, the page's longest task ${floor.longest.toFixed(0)} ms`);
  console.log(`against one point: ${(big.ms / floor.ms).toFixed(1)} (medians of ${rounds})`);
} finally {
  await browser.close();
  rmSync(folder, { recursive: true, force: true });
}
