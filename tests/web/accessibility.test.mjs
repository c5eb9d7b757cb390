// The page for the keyboard and assistive technology: axe-core finds
// nothing against WCAG 2.1 A and AA in either locale, with the machine off
// and on, on every tab, the notebook holding a point, at the window's width
// and on a phone; every control that takes the focus shows it, over its
// face; and every instrument's reading is reached by Tab.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { existsSync } from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { axeViolations, launchBrowser, openReadyPage, phone, pixelsChanged } from "./browser.mjs";

const root = fileURLToPath(new URL("../..", import.meta.url));
const onePage = pathToFileURL(path.join(root, "dist/web/gelvor.html")).href;

let browser;
before(async () => {
  assert.ok(existsSync(fileURLToPath(onePage)), "dist/web/gelvor.html is missing: run scripts/build-web");
  browser = await launchBrowser();
});
after(async () => browser?.close());

// Every tab of both tab controls, the right one's in turn with the lower one's.
async function everyTab(page, check) {
  const tabs = await page.$$eval('[role="tab"]', (all) => all.map((t) => t.id));
  const lower = tabs.filter((id) => id.startsWith("SSTab2"));
  const right = tabs.filter((id) => id.startsWith("SSTab1"));
  for (const [i, tab] of right.entries()) {
    await page.click(`#${tab}`);
    await page.click(`#${lower[i % lower.length]}`);
    await check(`${tab} with ${lower[i % lower.length]}`);
  }
}

// The switch, and the minimum-flow notice closed, as a mouse does them.
async function switchOn(page) {
  await page.click("#Interruptor");
  await page.waitForSelector("#notice[open]");
  await page.click("#noticeAccept");
  await page.waitForSelector("#notice:not([open])");
}

describe("axe-core finds nothing", { timeout: 120_000 }, () => {
  for (const locale of ["es_ES", "en_US"]) {
    test(`in ${locale}, off and on, on every tab, with a point in the notebook`, async () => {
      const { page, errors } = await openReadyPage(browser, `${onePage}?locale=${locale}`);
      try {
        const clean = async (state) => assert.deepEqual(await axeViolations(page), [], state);
        await everyTab(page, (tabs) => clean(`off, ${tabs}`));
        await switchOn(page);
        await page.click("#anotarLecturas");
        await everyTab(page, (tabs) => clean(`on, ${tabs}`));
        assert.deepEqual(errors, []);
      } finally {
        await page.browserContext().close();
      }
    });
  }

  test("on a phone, with an instrument's reading on show", async () => {
    const { page, errors } = await openReadyPage(browser, onePage, { device: phone });
    try {
      assert.equal(await page.$eval("html", (e) => e.dataset.layout), "narrow");
      await switchOn(page);
      await page.click("#anotarLecturas");
      await page.focus("#GaugeX1");
      await everyTab(page, async (tabs) => assert.deepEqual(await axeViolations(page), [], tabs));
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });
});

describe("the keyboard's focus", { timeout: 120_000 }, () => {
  // Every Tab stop of the window and its tools, as Tab goes, with what it
  // looks like with the focus and without it.
  async function focusRings(page) {
    await page.keyboard.press("Tab"); // the keyboard is in use: the focus shows
    const stops = await page.$$eval("#Form1 *, #tools *", (all) => all
      .filter((e) => e.tabIndex >= 0 && !e.disabled && e.checkVisibility())
      .map((e) => e.id).filter(Boolean));
    const unshown = [];
    for (const id of stops) {
      await page.evaluate(() => document.activeElement?.blur());
      const handle = await page.$(`#${id}`);
      const without = await handle.screenshot();
      await page.focus(`#${id}`);
      const within = await handle.screenshot();
      const box = await handle.boundingBox();
      // The ring goes round its edge: at least one of its sides' lengths.
      const changed = await pixelsChanged(browser, without, within);
      if (changed < Math.min(box.width, box.height) * 2) unshown.push(`${id} (${changed} pixels)`);
    }
    return { stops, unshown };
  }

  for (const [where, device] of [["at the window's width", undefined], ["on a phone", phone]]) {
    test(`every control that takes it shows it over its face, ${where}`, async () => {
      const { page } = await openReadyPage(browser, onePage, { device });
      try {
        await page.click("#SSTab1_tab0");
        const { stops, unshown } = await focusRings(page);
        for (const id of ["VScroll1", "VScroll2", "Interruptor", "UpDown1", "UpDown2", "UpDown3",
          "Text3", "SSTab1_tab0", "GaugeX1", "ter_0", "ampliar"]) {
          assert.ok(stops.includes(id), `${id} is no Tab stop`);
        }
        assert.deepEqual(unshown, [], "controls whose focus does not show");
      } finally {
        await page.browserContext().close();
      }
    });
  }

  test("reaches every instrument of the drawing after the settings, and shows its reading", async () => {
    const { page } = await openReadyPage(browser, `${onePage}?locale=es_ES`);
    try {
      await switchOn(page);
      await page.focus("#UpDown3"); // the last of the settings
      const meters = await page.$$eval('#bench > [role="meter"]', (all) => all.map((e) => e.id));
      assert.equal(meters.length, 8, "two manometers and six thermometers");
      for (const id of meters) {
        await page.keyboard.press("Tab");
        const shown = await page.evaluate(() => {
          const e = document.activeElement;
          const reading = document.getElementById("reading");
          return { id: e.id, value: e.getAttribute("aria-valuetext"), title: e.title,
            reading: reading && !reading.hidden ? reading.textContent : null };
        });
        assert.equal(shown.id, id);
        assert.ok(shown.value, `${id} has its reading as its value`);
        assert.equal(shown.reading, shown.title, `${id} shows what its tool tip says`);
        assert.ok(shown.reading.endsWith(shown.value), `${id}: ${shown.reading}`);
      }
      await page.keyboard.press("Tab");
      assert.equal(await page.$eval("#reading", (e) => e.hidden), true, "hidden when the focus leaves");
    } finally {
      await page.browserContext().close();
    }
  });
});
