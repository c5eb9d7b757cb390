// The page on a phone held upright (390 by 844, a touch screen): the
// window's parts one under another at the screen's width, nothing to scroll
// sideways there nor at 320 pixels, whatever a finger works at least 44
// pixels both ways, the manual's exercise done by taps alone, an arrow held
// down repeating, a tapped instrument showing its reading, and the setting
// boxes bringing up a phone's digits.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { existsSync } from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { launchBrowser, openReadyPage, phone } from "./browser.mjs";

const root = fileURLToPath(new URL("../..", import.meta.url));
const onePage = pathToFileURL(path.join(root, "dist/web/gelvor.html")).href;
const narrowPhone = { ...phone, viewport: { ...phone.viewport, width: 320, height: 640 } };

let browser;
before(async () => {
  assert.ok(existsSync(fileURLToPath(onePage)), "dist/web/gelvor.html is missing: run scripts/build-web");
  browser = await launchBrowser();
});
after(async () => browser?.close());

async function onPhone(device, run, url = onePage) {
  const opened = await openReadyPage(browser, url, { device });
  try {
    await run(opened.page);
    assert.deepEqual(opened.errors, []);
  } finally {
    await opened.page.browserContext().close();
  }
}

const flowOf = (page, bar) => page.$eval(`#${bar}`, (e) => Number(e.getAttribute("aria-valuenow")));

// The switch by a tap, and the minimum-flow notice closed by a tap.
async function tapSwitch(page) {
  const noticeDue = await page.$eval("#notice", () => ["VScroll1", "VScroll2"].some((id) => {
    const bar = document.getElementById(id);
    return bar.getAttribute("aria-valuenow") === bar.getAttribute("aria-valuemin");
  }));
  await page.tap("#Interruptor");
  if (noticeDue) {
    await page.waitForSelector("#notice[open]");
    await page.tap("#noticeAccept");
    await page.waitForSelector("#notice:not([open])");
  }
}

// A finger on an arrow's middle, down until `until(...args)` holds in the
// page or `ms` pass.
async function hold(page, selector, { until, args = [], ms = 10_000 } = {}) {
  const arrow = await page.$(selector);
  await arrow.scrollIntoView();
  const box = await arrow.boundingBox();
  await page.touchscreen.touchStart(box.x + box.width / 2, box.y + box.height / 2);
  try {
    if (until) await page.waitForFunction(until, { timeout: ms, polling: 10 }, ...args);
    else await new Promise((resolve) => setTimeout(resolve, ms));
  } finally {
    await page.touchscreen.touchEnd();
  }
}

// A flow bar brought to `flow` g/s: held down for a long way, then tapped
// to the exact flow.
async function setFlow(page, bar, flow) {
  const now = await flowOf(page, bar);
  const half = flow > now ? "up" : "down";
  if (Math.abs(flow - now) > 3) {
    await hold(page, `#${bar} .${half}`, {
      until: (id, target, up) => {
        const value = Number(document.getElementById(id).getAttribute("aria-valuenow"));
        return up ? value >= target - 2 : value <= target + 2;
      },
      args: [bar, flow, half === "up"],
    });
  }
  for (let i = 0; i < 60 && (await flowOf(page, bar)) !== flow; i++) {
    await page.tap(`#${bar} .${(await flowOf(page, bar)) < flow ? "up" : "down"}`);
  }
  assert.equal(await flowOf(page, bar), flow, bar);
}

describe("the page on a phone", { timeout: 120_000 }, () => {
  test("stands in parts at the screen's width, with nothing to scroll sideways at 390 and 320 px", async () => {
    for (const device of [phone, narrowPhone]) {
      await onPhone(device, async (page) => {
        const width = device.viewport.width;
        const layout = await page.evaluate(() => ({
          layout: document.documentElement.dataset.layout,
          drawing: document.querySelector("#bench .drawing").getBoundingClientRect().toJSON(),
          bench: document.getElementById("bench").getBoundingClientRect().toJSON(),
          band: ["VScroll2", "Interruptor", "VScroll1"]
            .map((id) => document.getElementById(id).getBoundingClientRect().toJSON()),
        }));
        assert.equal(layout.layout, "narrow");
        assert.ok(Math.abs(layout.drawing.width - layout.bench.width) < 1, "the drawing fills the width");
        let below = layout.drawing.bottom;
        for (const [i, r] of layout.band.entries()) {
          assert.ok(r.top >= below - 1 && Math.abs(r.width - layout.bench.width) < 1,
            `the band's control ${i} under the one before, across the width`);
          below = r.bottom;
        }
        const sideways = () => page.evaluate(() =>
          document.documentElement.scrollWidth - document.documentElement.clientWidth);
        const tabs = await page.$$eval('[role="tab"]', (all) => all.map((t) => t.id));
        await tapSwitch(page);
        for (const tab of tabs) {
          await page.tap(`#${tab}`);
          assert.equal(await sideways(), 0, `at ${width} px on ${tab}`);
        }
      });
    }
  });

  test("has every target a finger works at least 44 px both ways", async () => {
    await onPhone(phone, async (page) => {
      await tapSwitch(page);
      await page.tap("#anotarLecturas"); // a row in the notebook's table
      const tabs = await page.$$eval('[role="tab"]', (all) => all.map((t) => t.id));
      const small = new Set();
      for (const tab of tabs) {
        await page.tap(`#${tab}`);
        const found = await page.$$eval(
          "#Form1 button, #Form1 [role='tab'], #Form1 .arrow, #Form1 input:not([readonly]), " +
          "#Form1 [tabindex='0']:not([role='meter']), #tools button, #notebook button, " +
          "#notebook [role='tab'], #notebook select, #notebook input, #tablaRegistro td", (all) => all
            .filter((e) => e.checkVisibility())
            .map((e) => [e.id || `${e.parentElement.id} ${e.className}`, e.getBoundingClientRect()])
            .filter(([, r]) => r.width < 44 || r.height < 44)
            .map(([name, r]) => `${name}: ${r.width} × ${r.height}`));
        found.forEach((f) => small.add(f));
      }
      assert.deepEqual([...small], []);
    });
  });

  test("does the manual's exercise by taps: the switch, the flows' arrows, and recording", async () => {
    await onPhone(phone, async (page) => {
      await tapSwitch(page);
      // (mc, me) in g/s: mc is the condenser's flow, me the evaporator's.
      const exercise = [[20, 20], [4, 20], [40, 10]];
      for (const [mc, me] of exercise) {
        await setFlow(page, "VScroll2", mc);
        await setFlow(page, "VScroll1", me);
        await page.tap("#anotarLecturas");
      }
      assert.equal(await page.$eval("#statusLine", (e) => e.textContent),
        "Lecturas anotadas como punto 3 del registro");
      const shown = await page.$eval("#VScroll1", (e) => e.getAttribute("aria-valuetext"));
      assert.match(shown, /^10\b/);
      assert.equal(await page.$eval("#Interruptor", (e) => e.getAttribute("aria-pressed")), "true");
    }, `${onePage}?locale=es_ES`);
  });

  test("repeats an arrow held down, no faster than the desktop's", async () => {
    await onPhone(phone, async (page) => {
      for (const [control, read] of [["VScroll1", () => flowOf(page, "VScroll1")],
        ["UpDown1", () => page.$eval("#Text3", (e) => Number(e.value))]]) {
        const { delay, interval } = await page.evaluate((name) =>
          window.gelvorPage.bench.rows.get(name).repeat, control);
        const selector = `#${control} .up`;
        const before = await read();
        const start = Date.now();
        await hold(page, selector, { ms: delay + 6 * interval });
        const held = Date.now() - start;
        const steps = (await read()) - before;
        assert.ok(steps >= 3, `${selector} stepped ${steps} times in ${held} ms`);
        // One at once, one after the delay, then one an interval at the most.
        const most = 2 + Math.floor((held - delay) / interval);
        assert.ok(steps <= most, `${selector} stepped ${steps} times in ${held} ms`);
        const after = await read();
        await new Promise((resolve) => setTimeout(resolve, delay + interval));
        assert.equal(await read(), after, `${selector} stopped when let go`);
      }
    });
  });

  test("shows an instrument's reading when tapped, and hides it at a tap elsewhere", async () => {
    await onPhone(phone, async (page) => {
      await tapSwitch(page);
      for (const id of ["GaugeX2", "ter_4"]) {
        await page.tap(`#${id}`);
        const shown = await page.evaluate((id) => {
          const e = document.getElementById(id);
          const reading = document.getElementById("reading");
          const r = reading.getBoundingClientRect();
          return { reading: reading.hidden ? null : reading.textContent, title: e.title,
            value: e.getAttribute("aria-valuetext"), inside: r.left >= 0 && r.right <= innerWidth };
        }, id);
        assert.equal(shown.reading, shown.title, id);
        assert.ok(shown.reading.endsWith(shown.value), `${id}: ${shown.reading}`);
        assert.ok(shown.inside, `${id}'s reading is within the screen`);
      }
      // A step while it shows brings the new reading.
      await setFlow(page, "VScroll1", 8);
      await page.tap("#GaugeX2");
      const before = await page.$eval("#reading", (e) => e.textContent);
      await page.focus("#GaugeX2");
      await page.evaluate(() => window.gelvorPage.bench.act((g) => g.stepFlow("VScroll1", 12)));
      const after = await page.$eval("#reading", (e) => e.textContent);
      assert.notEqual(after, before);
      assert.equal(after, await page.$eval("#GaugeX2", (e) => e.title));
      await page.tap("#statusLine");
      assert.equal(await page.$eval("#reading", (e) => e.hidden), true);
    });
  });

  test("brings up the phone's digits in the setting boxes, which still take the locale's numbers", async () => {
    await onPhone(phone, async (page) => {
      const modes = await page.$$eval("input.box", (all) => Object.fromEntries(
        all.map((e) => [e.id, e.inputMode])));
      for (const [id, mode] of Object.entries(modes)) {
        assert.equal(mode, ["Text3", "Text4", "Text8"].includes(id) ? "decimal" : "", id);
      }
      await page.tap("#Text8");
      await page.$eval("#Text8", (e) => e.select());
      await page.keyboard.type("16,5");
      await page.keyboard.press("Enter");
      assert.equal(await page.$eval("#Text8", (e) => e.value), "16,5");
      assert.equal(await page.$eval("#Text8", (e) => e.dataset.mark ?? ""), "");
    }, `${onePage}?locale=es_ES`);
  });
});
