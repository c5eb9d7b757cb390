// The web edition in Debian's chromium, against the desktop's own pass: the
// page in one file opens from disk and asks for nothing else, the server's
// page works from a web server, and every reading computed in WebAssembly is
// the one gelvor-readings prints, to the last digit.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, readFileSync } from "node:fs";
import { createServer } from "node:http";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { launchBrowser, openReadyPage } from "./browser.mjs";

const root = fileURLToPath(new URL("../..", import.meta.url));
const dist = path.join(root, "dist/web");
const readings =
  process.env.GELVOR_READINGS ?? path.join(root, "build-test/readings/gelvor-readings");

// Each reading of the page and the displays that show it in the window: the
// instrument's position, and the text box that is empty when the value is unset.
const nativeDisplays = {
  evap_gauge_pressure: ["GaugeX2"],
  evap_temp: ["ter_5"],
  cond_gauge_pressure: ["GaugeX1"],
  cond_temp: ["ter_4"],
  evap_water_outlet_temp: ["ter_2", "Text10"],
  cond_water_outlet_temp: ["ter_1", "Text9"],
};
const readingsOptions = {
  evaporator_water_flow: "--evaporator-flow",
  condenser_water_flow: "--condenser-flow",
  barometer: "--barometer",
  water: "--water",
  ambient: "--ambient",
};

// What the window shows for these settings: {reading: number, or "" when unset or unreached}.
function nativePass(settings) {
  const args = ["--locale", "C"];
  for (const [name, value] of Object.entries(settings)) args.push(readingsOptions[name], value);
  const run = spawnSync(readings, args, { encoding: "utf8", timeout: 10_000 });
  assert.ok(run.status === 0 || run.status === 1,
    `gelvor-readings ${args.join(" ")} failed (${run.status ?? run.error}): ${run.stderr}`);
  const shown = new Map(run.stdout.split("\n").map((line) => line.split("\t")));
  return Object.fromEntries(Object.entries(nativeDisplays).map(([reading, [position, box]]) => {
    const unset = !shown.has(position) || (box !== undefined && shown.get(box) === "");
    return [reading, unset ? "" : Number(shown.get(position))];
  }));
}

// Types the settings into the page's controls and returns them as the page
// holds them, with the readings it shows, as numbers.
function showOnPage(page, settings) {
  return page.evaluate((settings) => {
    const form = document.getElementById("settings");
    for (const [name, value] of Object.entries(settings)) {
      if (!form.elements[name]) throw new Error(`the page has no control "${name}"`);
      form.elements[name].value = value;
    }
    form.dispatchEvent(new Event("input"));
    const held = Object.fromEntries([...form.elements].map((input) => [input.name, input.value]));
    const shown = Object.fromEntries([...document.querySelectorAll("[data-reading]")].map(
      (cell) => [cell.dataset.reading, cell.textContent === "" ? "" : Number(cell.textContent)]));
    return { held, shown };
  }, settings);
}

let browser;
before(async () => {
  for (const file of ["gelvor.html", "index.html"]) {
    assert.ok(existsSync(path.join(dist, file)), `${dist}/${file} is missing: run scripts/build-web`);
  }
  assert.ok(existsSync(readings), `${readings} is missing: build the desktop's Release tree first`);
  browser = await launchBrowser();
});
after(() => browser?.close());

describe("the page in one file", { timeout: 60_000 }, () => {
  let opened;
  before(async () => {
    opened = await openReadyPage(browser, pathToFileURL(path.join(dist, "gelvor.html")).href);
  });
  after(() => opened?.page.browserContext().close());

  test("opens from disk with nothing but itself and shows the bench drawing", async () => {
    const self = pathToFileURL(path.join(dist, "gelvor.html")).href;
    const elsewhere = opened.requests.filter((url) => url !== self && !url.startsWith("data:"));
    assert.deepEqual(elsewhere, [], "the page asked for files beside it");
    assert.deepEqual(opened.errors, []);
    const drawingWidth = await opened.page.$eval("#bench-drawing", (img) => img.naturalWidth);
    assert.ok(drawingWidth > 0, "the bench drawing did not decode");
  });

  // The window's first state, a running point, a decimal water temperature,
  // settings beyond the controls' ranges, a coil without water, and a box
  // that holds no number (the pass stops before the instruments).
  const points = [
    {},
    { evaporator_water_flow: "20", condenser_water_flow: "35", barometer: "1013", water: "15",
      ambient: "22" },
    { evaporator_water_flow: "7", condenser_water_flow: "12", water: "15.5", ambient: "30" },
    { evaporator_water_flow: "50", condenser_water_flow: "50", barometer: "900", water: "16",
      ambient: "60" },
    { evaporator_water_flow: "4", condenser_water_flow: "0", barometer: "1010", ambient: "18" },
    { evaporator_water_flow: "4", condenser_water_flow: "4", barometer: "" },
  ];
  for (const point of points) {
    test(`computes the desktop's readings for ${JSON.stringify(point)}`, async () => {
      const { held, shown } = await showOnPage(opened.page, point);
      assert.deepEqual(shown, nativePass(held), `settings on the page: ${JSON.stringify(held)}`);
    });
  }
});

describe("the page for a web server", { timeout: 60_000 }, () => {
  const types = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
    ".css": "text/css", ".svg": "image/svg+xml" };
  let server;
  before(async () => {
    server = createServer((request, response) => {
      const file = path.join(dist, decodeURIComponent(new URL(request.url, "http://x").pathname));
      if (!file.startsWith(dist) || !existsSync(file)) {
        response.writeHead(404).end();
        return;
      }
      const name = file.endsWith(path.sep) ? path.join(file, "index.html") : file;
      response.writeHead(200, { "Content-Type": types[path.extname(name)] ?? "text/plain" });
      response.end(readFileSync(name));
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  });
  after(() => server?.close());

  test("loads its script, module and drawing from beside it and computes the same pass", async () => {
    const { port } = server.address();
    const opened = await openReadyPage(browser, `http://127.0.0.1:${port}/`);
    try {
      // The browser asks a server for /favicon.ico by itself; the page has no icon yet.
      const favicon = `http://127.0.0.1:${port}/favicon.ico`;
      assert.deepEqual(opened.errors.filter((e) => !e.endsWith(favicon)), []);
      const drawingWidth = await opened.page.$eval("#bench-drawing", (img) => img.naturalWidth);
      assert.ok(drawingWidth > 0, "the bench drawing did not load");
      const point = { evaporator_water_flow: "20", condenser_water_flow: "35" };
      const { held, shown } = await showOnPage(opened.page, point);
      assert.deepEqual(shown, nativePass(held));
    } finally {
      await opened.page.browserContext().close();
    }
  });
});
