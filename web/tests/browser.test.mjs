// The page in a real browser: Debian's chromium, driven by Playwright's core library.
// TARNWICK_WEB_OUT: the folder tools/build-web built; TARNWICK_PROGRAM: the desktop program,
// whose --load --json is the oracle the page's engine must agree with; TARNWICK_SCREENSHOTS:
// where the phone and desktop screenshots go (default: beside the page's folder).
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, writeFileSync, mkdirSync, readFileSync } from "node:fs";
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

// The spot's positions: the page's geodesic (GeographicLib's JavaScript port) against the
// desktop's (GeographicLib's C++ library), to 1e-9 degrees.
function assertSamePositions(pageSpot, desktopSpot) {
  for (const light of ["greenLight", "redLight"]) {
    for (const field of ["latitude", "longitude"]) {
      const [a, b] = [pageSpot[light][field], desktopSpot[light][field]];
      assert.ok(typeof a === "number" && Math.abs(a - b) <= 1e-9, `${light}.${field}: ${a} vs ${b}`);
    }
  }
}

test("a drop zone, winds pasted from a bulletin and the spot: as the desktop plans them", async () => {
  await page.setViewportSize({ width: 360, height: 740 });
  await page.goto(served.url);
  await answered();
  // Typed in, field after field.
  for (const [field, text] of [["#dz-name", "Abilene <north>"], ["#dz-latitude", "32.41"],
    ["#dz-longitude", "-99.68"], ["#dz-elevation", "3200"], ["#offset", "-300"], ["#canopy-airspeed", "22"],
    ['[aria-label="Group 2 canopy sink rate"]', "16"], ['[aria-label="Group 1 opening altitude"]', "6500"],
    ['[aria-label="Group 2 opening altitude"]', "6500"], ['[aria-label="Group 3 opening altitude"]', "8500"],
    ['[aria-label="Group 4 opening altitude"]', "6500"]]) {
    await page.fill(field, text);
  }
  await answered();

  // The bulletin pasted: its stations offered, one chosen, its levels and source taken.
  await page.click("#paste-box summary");
  await page.fill("#wind-text", readFileSync(new URL("./winds_bulletin.txt", import.meta.url), "utf8"));
  await page.waitForFunction(() => !document.querySelector("#station-label").hidden);
  assert.deepEqual(await page.$$eval("#station option", (o) => o.map((x) => x.value)), ["ABI", "ABQ", "DEN"]);
  await page.selectOption("#station", "ABI");
  await page.click("#use-winds");
  await page.waitForFunction(() => JSON.parse(localStorage.getItem("tarnwick.load")).windLevels !== undefined);
  await answered();
  const loadText = await keptLoad();
  const load = JSON.parse(loadText);
  assert.equal(load.windSource.station, "ABI");
  assert.equal(load.windLevels.length, 8, "ABI's levels but 3000 ft, below the drop zone's 3200 ft");
  assert.equal(await page.$$eval("#levels tbody tr", (rows) => rows.length), 8);
  assert.match(await page.textContent("#wind-source"), /winds aloft bulletin ABI/);

  // The same load with the spot, in the page's engine and the desktop program.
  const desktopJson = JSON.parse(desktop(loadText, "--spot"));
  const pageJson = JSON.parse(await page.evaluate((t) => window.tarnwick.plan(t, { spot: true }), loadText));
  compareResults(pageJson, desktopJson);
  assertSamePositions(pageJson.spot, desktopJson.spot);
  const best = await page.evaluate((t) => window.tarnwick.plan(t, { bestOrder: true, spot: true }), loadText);
  compareResults(JSON.parse(best), JSON.parse(desktop(loadText, "--best-order", "--spot")));

  // The lights are called at the door, with the place; each margin is shown.
  assert.match(await page.textContent("#lights"), /Green light.*at 32\.\d+, -99\.\d+/s);
  assert.equal(await page.$$eval("#spot-answer tbody tr", (rows) => rows.length), 4);
  assert.ok(await page.$("#top-view svg .green-light"));
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: path.join(shots, "phone-spot-360x740.png") });
  await page.evaluate(() => document.querySelector("#winds-card").scrollIntoView());
  await page.screenshot({ path: path.join(shots, "phone-winds-360x740.png") });

  // A bad paste changes nothing and says why in one line.
  await page.click("#paste-box summary");
  await page.fill("#wind-text", "no forecast here");
  await page.click("#use-winds");
  await page.waitForFunction(() => document.querySelector("#winds-status").classList.contains("bad"));
  assert.match(await page.textContent("#winds-status"), /^The pasted winds were not taken: .*The winds are unchanged\.$/);
  assert.equal(await keptLoad(), loadText);

  // The forecast: a failed fetch leaves the load as it was and says so.
  await page.route("https://api.open-meteo.com/**", (route) => route.fulfill({ status: 500, body: "",
    headers: { "access-control-allow-origin": "*" } }));
  await page.click("#get-forecast");
  await page.waitForFunction(() => /not fetched/.test(document.querySelector("#winds-status").textContent));
  assert.match(await page.textContent("#winds-status"),
    /^The forecast was not fetched: the forecast service answered HTTP 500\. The winds are unchanged\.$/);
  assert.equal(await keptLoad(), loadText);
  await page.unroute("https://api.open-meteo.com/**");

  // A forecast answered for the drop zone (a response made here for the hour asked): its
  // levels and source replace the pasted ones.
  await page.route("https://api.open-meteo.com/**", (route) => {
    const hour = new URL(route.request().url()).searchParams.get("start_hour");
    const hourly = { time: [hour] }, units = { time: "iso8601" };
    for (const [hpa, metres, knots, from] of [[850, 1500, 12, 200], [700, 3100, 25, 240], [500, 5800, 40, 260]]) {
      Object.assign(hourly, { [`wind_speed_${hpa}hPa`]: [knots], [`wind_direction_${hpa}hPa`]: [from],
        [`geopotential_height_${hpa}hPa`]: [metres] });
      Object.assign(units, { [`wind_speed_${hpa}hPa`]: "kn", [`wind_direction_${hpa}hPa`]: "°",
        [`geopotential_height_${hpa}hPa`]: "m" });
    }
    route.fulfill({ status: 200, contentType: "application/json", headers: { "access-control-allow-origin": "*" },
      body: JSON.stringify({ latitude: 32.4, longitude: -99.7, utc_offset_seconds: 0, timezone: "GMT",
        hourly_units: units, hourly }) });
  });
  await page.click("#get-forecast");
  await page.waitForFunction(() => /^The forecast was taken/.test(document.querySelector("#winds-status").textContent));
  const forecastLoad = JSON.parse(await keptLoad());
  assert.equal(forecastLoad.windLevels.length, 3);
  assert.match(forecastLoad.windSource.note, /^fetched for 32\.41, -99\.68 at /);
  await page.unroute("https://api.open-meteo.com/**");

  // Levels switched to layers by the desktop's own edit: the source goes with the levels, and
  // the page still answers as the desktop program does.
  await page.check('input[name="wind-mode"][value="layers"]');
  await page.waitForFunction(() => JSON.parse(localStorage.getItem("tarnwick.load")).winds !== undefined);
  const layered = await keptLoad();
  assert.equal(JSON.parse(layered).windSource, undefined);
  compareResults(JSON.parse(await page.evaluate((t) => window.tarnwick.plan(t, {}), layered)),
    JSON.parse(desktop(layered)));
  await page.check('input[name="wind-mode"][value="levels"]');
  await page.waitForFunction(() => JSON.parse(localStorage.getItem("tarnwick.load")).windLevels !== undefined);

  // The printed sheet: the inputs beside the answer, on one page.
  await page.setViewportSize({ width: 1280, height: 900 });
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: path.join(shots, "desktop-spot-1280x900.png") });
  await page.locator(".pictures").screenshot({ path: path.join(shots, "desktop-spot-pictures.png") });
  await page.emulateMedia({ media: "print" });
  assert.match(await page.textContent("#print-inputs"), /Abilene/);
  for (const format of ["A4", "Letter"]) {
    const pdf = path.join(shots, `briefing-${format}.pdf`);
    await page.pdf({ path: pdf, format, printBackground: true });
    const pages = Number(/Pages:\s+(\d+)/.exec(execFileSync("pdfinfo", [pdf], { encoding: "utf8" }))[1]);
    assert.equal(pages, 1, `the briefing prints on one ${format} page`);
  }
  await page.emulateMedia({ media: null });
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
