// How soon the page in one file is ready after being opened from disk,
// against the empty one-file page: the time from the start of the navigation
// to the page's ready mark, each page opened in turn in a fresh browser
// context, after one opening of each that is not counted. With SLOWDOWN,
// both run on a processor that many times slower, as on a cheaper phone.
//   node bench/web/page_ready.mjs PAGE.html FLOOR.html [ROUNDS] [SLOWDOWN]
//   (default 15 rounds at full speed)
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchBrowser, openReadyPage } from "../../tests/web/browser.mjs";

const [pageFile, floorFile, roundsText = "15", slowdownText = "1"] = process.argv.slice(2);
if (!pageFile || !floorFile) {
  console.error("usage: node bench/web/page_ready.mjs PAGE.html FLOOR.html [ROUNDS] [SLOWDOWN]");
  process.exit(2);
}
const rounds = Number(roundsText);
const cpuSlowdown = Number(slowdownText);
const pages = { page: pageFile, floor: floorFile };
const times = { page: [], floor: [] };

async function readyMs(browser, file) {
  const opened = await openReadyPage(browser, pathToFileURL(path.resolve(file)).href,
    { cpuSlowdown: cpuSlowdown > 1 ? cpuSlowdown : undefined });
  await opened.page.browserContext().close();
  if (opened.errors.length) throw new Error(`${file}: ${opened.errors.join(" | ")}`);
  return opened.readyMs;
}

const median = (values) => {
  const v = [...values].sort((a, b) => a - b);
  const mid = Math.floor(v.length / 2);
  return v.length % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
};

const browser = await launchBrowser();
try {
  for (const file of Object.values(pages)) await readyMs(browser, file);
  for (let round = 0; round < rounds; round++) {
    for (const [name, file] of Object.entries(pages)) times[name].push(await readyMs(browser, file));
  }
} finally {
  await browser.close();
}

const slowed = cpuSlowdown > 1 ? `, the processor ${cpuSlowdown} times slower` : "";
for (const [name, file] of Object.entries(pages)) {
  const v = times[name];
  console.log(`${path.basename(file)}: ready after ${median(v).toFixed(1)} ms${slowed} ` +
    `(median of ${v.length}; ${Math.min(...v).toFixed(1)} to ${Math.max(...v).toFixed(1)})`);
}
console.log(`against the empty page: ${(median(times.page) / median(times.floor)).toFixed(2)}`);
