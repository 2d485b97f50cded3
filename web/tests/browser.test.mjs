// The page in a real browser: Debian's chromium, driven by Playwright's core library.
// TARNWICK_WEB_OUT: the folder tools/build-web built; TARNWICK_PROGRAM: the desktop program,
// whose --load --json is the oracle the page's engine must agree with; TARNWICK_SCREENSHOTS:
// where the phone and desktop screenshots go (default: beside the page's folder).
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, writeFileSync, mkdirSync } from "node:fs";
import os from "node:os";
import path from "node:path";
import { chromium } from "playwright-core";
import { serve } from "./static_server.mjs";
import { compareResults } from "./compare_results.mjs";

const out = process.env.TARNWICK_WEB_OUT;
const program = process.env.TARNWICK_PROGRAM;
const shots = process.env.TARNWICK_SCREENSHOTS ?? path.join(path.dirname(path.resolve(out ?? ".")), "web-screenshots");

let served, context, page;

before(async () => {
  assert.ok(out && program, "TARNWICK_WEB_OUT and TARNWICK_PROGRAM must be set");
  served = await serve(out);
  context = await chromium.launchPersistentContext(mkdtempSync(path.join(os.tmpdir(), "tarnwick-chromium-")), {
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--headless", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync"],
    viewport: { width: 360, height: 740 },
  });
  page = context.pages()[0] ?? await context.newPage();
  page.on("pageerror", (e) => { throw e; });
});

after(async () => {
  await context?.close();
  served?.server.close();
});

function desktop(loadText, ...options) {
  const folder = mkdtempSync(path.join(os.tmpdir(), "tarnwick-load-"));
  const file = path.join(folder, "load.json");
  writeFileSync(file, loadText);
  return execFileSync(program, ["--load", file, "--json", ...options], { encoding: "utf8" });
}

async function answered() {
  await page.waitForFunction(() => document.querySelectorAll("#calls li").length > 0 &&
    !document.body.classList.contains("stale") && document.querySelector("#status").textContent !== "Working…");
}

const keptLoad = () => page.evaluate(() => localStorage.getItem("tarnwick.load"));
const groupNames = () => page.$$eval("#groups tbody input.name", (inputs) => inputs.map((i) => i.value));

test("the page plans a load typed in as the desktop program does, keeps it, and works offline", async () => {
  await page.goto(served.url);
  await page.waitForFunction(() => window.tarnwick && typeof window.tarnwick.version === "string");
  await answered();

  // Four groups, typed in.
  await page.fill('[aria-label="Group 1 name"]', "Belly 8");
  await page.fill("#airspeed", "85");
  await page.fill("#exit-altitude", "13000");
  await page.fill("#heading", "240");
  await page.fill('[aria-label="Group 2 name"]', "Freefly 4");
  await page.fill('[aria-label="Group 2 delay"]', "7");
  await page.click("#add-group");
  await page.waitForSelector('[aria-label="Group 3 name"]');
  await page.fill('[aria-label="Group 3 name"]', "Tandem");
  await page.selectOption('[aria-label="Group 3 fall rate"]', "terminalSpeed");
  await page.fill('[aria-label="Group 3 terminal speed"]', "110");
  await page.fill('[aria-label="Group 3 opening altitude"]', "5500");
  await page.fill('[aria-label="Group 3 delay"]', "10");
  await page.click("#add-group");
  await page.waitForSelector('[aria-label="Group 4 name"]');
  await page.fill('[aria-label="Group 4 name"]', "Wingsuit");
  await page.selectOption('[aria-label="Group 4 fall rate"]', "dragArea");
  await page.fill('[aria-label="Group 4 drag area"]', "9.5");
  await page.fill('[aria-label="Group 4 delay"]', "6");
  await answered();
  const loadText = await keptLoad();
  assert.equal(JSON.parse(loadText).groups.length, 4);

  // The engine in the page against the desktop program, with every option.
  for (const [options, args] of [[{}, []], [{ recommend: true }, ["--recommend"]],
    [{ recommend: true, bestOrder: true }, ["--recommend", "--best-order"]]]) {
    const pageJson = await page.evaluate(([t, o]) => window.tarnwick.plan(t, o), [loadText, options]);
    compareResults(JSON.parse(pageJson), JSON.parse(desktop(loadText, ...args)));
  }
  // The page's answer on screen is the engine's: its least separation line and calls.
  const shownCalls = await page.$$eval("#calls li", (items) => items.length);
  assert.equal(shownCalls, 4);

  // Recommend: the delays become the desktop's rounded recommendations.
  const recommended = JSON.parse(desktop(loadText, "--recommend")).recommendation.roundedDelays;
  await page.click("#recommend");
  await page.waitForFunction((d) => {
    const load = JSON.parse(localStorage.getItem("tarnwick.load"));
    return load.groups.every((g, k) => k === 0 || d[k] === null || g.delay === d[k]);
  }, recommended);
  await answered();

  // Best order, used: the groups in the desktop's best order.
  const recommendedText = await keptLoad();
  const best = JSON.parse(desktop(recommendedText, "--best-order")).bestOrder;
  const namesBefore = await groupNames();
  await page.click("#best-order");
  await page.click("#use-order");
  await page.waitForFunction((n) => [...document.querySelectorAll("#groups tbody input.name")]
    .map((i) => i.value).join("|") === n, best.order.map((i) => namesBefore[i]).join("|"));
  await answered();
  const ordered = await keptLoad();
  mkdirSync(shots, { recursive: true });
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: path.join(shots, "phone-360x740.png") });
  // The calls for the door are on the phone's first screen.
  const lastCall = await page.$eval("#calls li:last-child", (li) => li.getBoundingClientRect().bottom);
  assert.ok(lastCall <= 740, `the last call ends at ${lastCall}px`);

  // Reload: the load is kept.
  await page.reload();
  await answered();
  assert.deepEqual(JSON.parse(await keptLoad()), JSON.parse(ordered));
  assert.deepEqual(await groupNames(), best.order.map((i) => namesBefore[i]));

  // Offline once the service worker has everything: the page opens and answers.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await page.reload();
  await answered();
  await page.fill("#target", "1200");
  await answered();
  const offlineJson = await page.evaluate((t) => window.tarnwick.plan(t), await keptLoad());
  compareResults(JSON.parse(offlineJson), JSON.parse(desktop(await keptLoad())));
  await context.setOffline(false);

  await page.setViewportSize({ width: 1280, height: 900 });
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: path.join(shots, "desktop-1280x900.png") });
});

test("a load the desktop refuses is refused in the page with the same line", async () => {
  const bad = '{"format":"tarnwick-load","version":1,"aircraft":{"indicatedAirspeed":80},' +
    '"groups":[{"name":"A","fallRate":"slow","openingAltitud":3000}]}';
  const message = await page.evaluate((t) => window.tarnwick.plan(t).then(() => "", (e) => e.message), bad);
  let desktopLine = "";
  try {
    desktop(bad);
  } catch (e) {
    desktopLine = String(e.stderr);
  }
  assert.match(message, /openingAltitud\): unknown field; did you mean openingAltitude\?/);
  assert.ok(desktopLine.trim().endsWith(message), `${desktopLine} / ${message}`);
});
