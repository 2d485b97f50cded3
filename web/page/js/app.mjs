// The page: the load's inputs, its answer drawn at once after every edit, files, storage and
// window.tarnwick for scripts. Every number comes from the engine (engine-worker.js).
import { EngineClient, Superseded, Cancelled } from "./engine_client.mjs";
import {
  exampleLoad, fieldText, setNumber, fallRateKind, fallRateOfKind, windKind, withOrder, withDelays,
  setOptionalNumber, setOptionalText,
} from "./load_form.mjs";
import { sideViewSvg, topViewSvg, escapeXml } from "./pictures.mjs";
import { spotMapSvg } from "./spot_map.mjs";
import {
  callsHtml, groupTableHtml, pairTableHtml, warningsHtml, bestOrderHtml, lightsHtml, spotSummaryText,
  spotTableHtml, spotRangeText,
} from "./answer_view.mjs";
import { inputsSheetHtml } from "./inputs_sheet.mjs";
import { ForecastFetch } from "./forecast.mjs";
import { keptLoadText, keepLoadText, openLoadFile, saveLoadFile, fileNameFor } from "./storage.mjs";
import { version } from "../version.js";

const $ = (id) => document.getElementById(id);
const newWorker = () => new Worker("engine-worker.js");
const live = new EngineClient(newWorker);   // the answer to every edit, and the edits
const long = new EngineClient(newWorker);   // recommendations and best orders, cancellable
const scripts = new EngineClient(newWorker);  // window.tarnwick.plan

let load = startingLoad();
let selectedGroup = null;
let fileHandle = null;
let answerTimer = 0;

function startingLoad() {
  const kept = keptLoadText();
  if (kept) {
    try {
      const parsed = JSON.parse(kept);
      if (parsed && typeof parsed === "object" && Array.isArray(parsed.groups)) return parsed;
    } catch { /* a damaged copy: start afresh */ }
  }
  return exampleLoad();
}

const loadText = () => JSON.stringify(load, null, 2) + "\n";

// --- The inputs ---------------------------------------------------------------------------

function setUnitsShown() {
  for (const el of document.querySelectorAll(".unit[data-unit]")) {
    const unit = load.units?.[el.dataset.unit] ?? { altitude: "ft", distance: "ft", speed: "kt" }[el.dataset.unit];
    el.textContent = `(${unit}${el.dataset.perSecond !== undefined ? "/s" : ""})`;
  }
}

function renderForm() {
  load.units ??= {};
  load.aircraft ??= {};
  if (!load.windLevels) load.winds ??= [];
  $("load-name").value = fieldText(load.name);
  $("target").value = fieldText(load.targetSeparation);
  $("minimum-delay").value = fieldText(load.minimumDelay);
  $("unit-altitude").value = load.units.altitude ?? "ft";
  $("unit-distance").value = load.units.distance ?? "ft";
  $("unit-speed").value = load.units.speed ?? "kt";
  $("airspeed").value = fieldText(load.aircraft.indicatedAirspeed);
  $("exit-altitude").value = fieldText(load.aircraft.exitAltitude);
  $("heading").value = fieldText(load.jumpRunHeading);
  $("dz-name").value = fieldText(load.dropZone?.name);
  $("dz-latitude").value = fieldText(load.dropZone?.latitude);
  $("dz-longitude").value = fieldText(load.dropZone?.longitude);
  $("dz-elevation").value = fieldText(load.dropZone?.elevation);
  $("offset").value = fieldText(load.jumpRun?.offset);
  $("pattern").value = fieldText(load.patternAltitude);
  $("reach-factor").value = fieldText(load.reachFactor);
  $("canopy-airspeed").value = fieldText(load.canopy?.airspeed);
  $("canopy-sink").value = fieldText(load.canopy?.sinkRate);
  setUnitsShown();
  renderWinds();
  renderGroups();
}

const input = (attrs, value) =>
  `<input ${attrs} value="${escapeXml(fieldText(value))}" autocomplete="off">`;

function renderWinds() {
  const levels = Array.isArray(load.windLevels);
  for (const radio of document.querySelectorAll('[name="wind-mode"]')) {
    radio.checked = radio.value === (levels ? "levels" : "layers");
  }
  $("layers-box").hidden = levels;
  $("levels-box").hidden = !levels;
  if (levels) renderLevels(); else renderLayers();
}

function renderLevels() {
  $("levels").tBodies[0].innerHTML = load.windLevels.map((level, k) => {
    const headwind = "headwind" in level;
    const cell = (field, label) =>
      input(`data-level="${k}" data-field="${field}" inputmode="decimal" aria-label="Level ${k + 1} ${label}"`, level[field]);
    return `<tr data-row="${k}"><td>${cell("altitude", "altitude")}</td>` +
      `<td>${headwind ? cell("headwind", "headwind") : cell("speed", "speed")}</td>` +
      `<td>${headwind ? '<span class="ground">headwind</span>' : cell("from", "from")}</td>` +
      `<td><button type="button" class="icon" data-remove-level="${k}" aria-label="Remove level ${k + 1}"` +
      `${load.windLevels.length === 1 ? " disabled" : ""}>✕</button></td></tr>`;
  }).join("");
}

function renderLayers() {
  $("winds").tBodies[0].innerHTML = load.winds.map((layer, k) => {
    const last = k === load.winds.length - 1;
    const headwind = windKind(layer) === "headwind";
    return `<tr data-row="${k}">` +
      `<td>${last && !("above" in layer) ? '<span class="ground">ground</span>' : input(`inputmode="decimal" data-wind="${k}" data-field="above" aria-label="Layer ${k + 1} base"`, layer.above)}</td>` +
      `<td><select data-wind="${k}" data-field="kind" aria-label="Layer ${k + 1} given as">` +
      `<option value="headwind"${headwind ? " selected" : ""}>headwind</option>` +
      `<option value="direction"${headwind ? "" : " selected"}>speed and direction</option></select></td>` +
      `<td>${headwind ? input(`inputmode="decimal" data-wind="${k}" data-field="headwind" aria-label="Layer ${k + 1} headwind"`, layer.headwind)
        : input(`inputmode="decimal" data-wind="${k}" data-field="speed" aria-label="Layer ${k + 1} speed"`, layer.speed)}</td>` +
      `<td>${headwind ? "" : input(`inputmode="decimal" data-wind="${k}" data-field="from" aria-label="Layer ${k + 1} from"`, layer.from)}</td>` +
      `<td><button type="button" class="icon" data-remove-wind="${k}" aria-label="Remove layer ${k + 1}">✕</button></td></tr>`;
  }).join("");
}

const fallKinds = [["slow", "slow"], ["fast", "fast"], ["dragArea", "drag area (sq ft)"],
  ["terminalSpeed", "terminal speed"]];

function renderGroups() {
  const count = load.groups.length;
  $("groups").tBodies[0].innerHTML = load.groups.map((g, k) => {
    const kind = fallRateKind(g.fallRate);
    const rate = kind === "dragArea"
      ? input(`inputmode="decimal" data-group="${k}" data-field="dragArea" aria-label="Group ${k + 1} drag area"`, g.fallRate.dragArea)
      : kind === "terminalSpeed"
        ? input(`inputmode="decimal" data-group="${k}" data-field="terminalSpeed" aria-label="Group ${k + 1} terminal speed"`, g.fallRate.terminalSpeed)
        : "";
    return `<tr data-row="${k}"${selectedGroup === k ? ' class="selected"' : ""}>` +
      `<td class="handle" aria-label="Drag group ${k + 1} to another place" title="Drag to move">⠿</td>` +
      `<td>${k + 1}</td>` +
      `<td>${input(`class="name" data-group="${k}" data-field="name" aria-label="Group ${k + 1} name"`, g.name)}</td>` +
      `<td><select data-group="${k}" data-field="fallKind" aria-label="Group ${k + 1} fall rate">` +
      fallKinds.map(([v, t]) => `<option value="${v}"${v === kind ? " selected" : ""}>${t}</option>`).join("") +
      `</select></td><td>${rate}</td>` +
      `<td>${input(`inputmode="decimal" data-group="${k}" data-field="openingAltitude" placeholder="3000 ft" aria-label="Group ${k + 1} opening altitude"`, g.openingAltitude)}</td>` +
      `<td>${k === 0 ? '<span class="ground">first</span>' : input(`inputmode="decimal" data-group="${k}" data-field="delay" placeholder="minimum" aria-label="Group ${k + 1} delay"`, g.delay)}</td>` +
      `<td>${input(`inputmode="decimal" data-group="${k}" data-field="canopyAirspeed" placeholder="load's" aria-label="Group ${k + 1} canopy airspeed"`, g.canopy?.airspeed)}</td>` +
      `<td>${input(`inputmode="decimal" data-group="${k}" data-field="canopySinkRate" placeholder="load's" aria-label="Group ${k + 1} canopy sink rate"`, g.canopy?.sinkRate)}</td>` +
      `<td class="move"><button type="button" class="icon" data-move="${k}" data-to="${k - 1}" aria-label="Move group ${k + 1} up"${k === 0 ? " disabled" : ""}>↑</button>` +
      `<button type="button" class="icon" data-move="${k}" data-to="${k + 1}" aria-label="Move group ${k + 1} down"${k === count - 1 ? " disabled" : ""}>↓</button></td>` +
      `<td><button type="button" class="icon" data-remove-group="${k}" aria-label="Remove group ${k + 1}">✕</button></td></tr>`;
  }).join("");
}

// A typed value goes into the load at once; a text that is not a number is marked and keeps
// the load as it was until it is one.
function fieldEdited(el) {
  let problem = null;
  const field = el.dataset.field;
  if (el.dataset.group !== undefined) {
    const group = load.groups[Number(el.dataset.group)];
    if (field === "name") {
      if (el.value === "") delete group.name; else group.name = el.value;
    } else if (field === "fallKind") {
      group.fallRate = fallRateOfKind(el.value, group.fallRate);
      renderGroups();
    } else if (field === "dragArea" || field === "terminalSpeed") {
      problem = setNumber(group.fallRate, field, el.value);
    } else if (field === "canopyAirspeed") {
      problem = setOptionalNumber(group, "canopy", "airspeed", el.value);
    } else if (field === "canopySinkRate") {
      problem = setOptionalNumber(group, "canopy", "sinkRate", el.value);
    } else {
      problem = setNumber(group, field, el.value, { optional: true });
    }
  } else if (el.dataset.level !== undefined) {
    problem = setNumber(load.windLevels[Number(el.dataset.level)], field, el.value);
  } else if (el.name === "wind-mode") {
    edit({ edit: "windsGivenAs", as: el.value });
    return;
  } else if (el.id === "dz-name") {
    setOptionalText(load, "dropZone", "name", el.value);
  } else if (el.id.startsWith("dz-")) {
    problem = setOptionalNumber(load, "dropZone", el.id.slice(3), el.value);
  } else if (el.id === "offset") {
    problem = setOptionalNumber(load, "jumpRun", "offset", el.value);
  } else if (el.id === "pattern") {
    problem = setNumber(load, "patternAltitude", el.value, { optional: true });
  } else if (el.id === "reach-factor") {
    problem = setNumber(load, "reachFactor", el.value, { optional: true });
  } else if (el.id === "canopy-airspeed") {
    problem = setOptionalNumber(load, "canopy", "airspeed", el.value);
  } else if (el.id === "canopy-sink") {
    problem = setOptionalNumber(load, "canopy", "sinkRate", el.value);
  } else if (el.dataset.wind !== undefined) {
    const k = Number(el.dataset.wind);
    if (field === "kind") {
      edit({ edit: "windAs", row: k, as: el.value });
      return;
    }
    problem = setNumber(load.winds[k], field, el.value);
  } else if (el.id === "load-name") {
    load.name = el.value;
  } else if (el.id === "target") {
    problem = setNumber(load, "targetSeparation", el.value, { optional: true });
  } else if (el.id === "minimum-delay") {
    problem = setNumber(load, "minimumDelay", el.value, { optional: true });
  } else if (el.id === "airspeed") {
    problem = setNumber(load.aircraft, "indicatedAirspeed", el.value);
  } else if (el.id === "exit-altitude") {
    problem = setNumber(load.aircraft, "exitAltitude", el.value, { optional: true });
  } else if (el.id === "heading") {
    problem = setNumber(load, "jumpRunHeading", el.value, { optional: true });
  } else if (el.id.startsWith("unit-")) {
    edit({ edit: "units", altitude: $("unit-altitude").value, distance: $("unit-distance").value,
      speed: $("unit-speed").value });
    return;
  } else {
    return;
  }
  el.classList.toggle("invalid", problem !== null);
  el.title = problem ? `${el.getAttribute("aria-label") ?? el.id} ${problem}` : "";
  if (problem) {
    showRefusal(`${el.getAttribute("aria-label") ?? el.labels?.[0]?.textContent.trim() ?? el.id} ${problem}`);
    return;
  }
  loadChanged();
}

function loadChanged() {
  keepLoadText(loadText());
  $("best").hidden = true;
  clearTimeout(answerTimer);
  answerTimer = setTimeout(answer, 10);  // a light debounce: one answer per burst of keys
}

// An edit of rows or units, made by the engine's own load edits as the desktop makes them.
async function edit(change) {
  const { json, error } = await live.request({ kind: "edit", text: loadText(), edit: JSON.stringify(change) });
  if (error) {
    showRefusal(error);
    renderForm();
    return;
  }
  load = JSON.parse(json);
  renderForm();
  loadChanged();
}

// --- The answer ---------------------------------------------------------------------------

function showRefusal(message) {
  $("refusal").textContent = message;
  $("refusal").hidden = false;
  $("status").textContent = "Not answered: " + message;
  document.body.classList.add("stale");
}

async function answer() {
  $("status").textContent = "Working…";
  let reply;
  try {
    reply = await live.request({ kind: "plan", text: loadText(), spot: true, forPage: true }, "answer");
  } catch (e) {
    if (e instanceof Superseded || e instanceof Cancelled) return;
    throw e;
  }
  if (reply.error) {
    showRefusal(reply.error);
    return;
  }
  showAnswer(JSON.parse(reply.json));
}

function showAnswer({ result, page }) {
  document.body.classList.remove("stale");
  $("refusal").hidden = true;
  $("status").textContent = result.pairs.every((p) => p.meetsTarget)
    ? "Every pair meets the target separation."
    : `${result.pairs.filter((p) => !p.meetsTarget).length} pair(s) under the target separation.`;
  $("status").className = "status " + (result.pairs.every((p) => p.meetsTarget) ? "good" : "bad");
  $("calls").innerHTML = callsHtml(result, page);
  $("least").textContent = page.report.leastSeparationLine;
  $("lights").innerHTML = lightsHtml(result, page);
  $("spot-summary").textContent = spotSummaryText(result, page);
  $("spot-summary").className = "least " + (result.spot?.allBack ? "good" : "bad");
  $("spot-answer").innerHTML = spotTableHtml(result, page);
  $("spot-range").textContent = spotRangeText(page);
  $("wind-source").textContent = page.report.windSourceLine;
  $("print-inputs").innerHTML = inputsSheetHtml(page.briefing, load.name);
  $("warnings").innerHTML = warningsHtml(result);
  $("group-answer").innerHTML = groupTableHtml(result, page);
  $("pair-answer").innerHTML = pairTableHtml(result, page);
  $("side-view").innerHTML = sideViewSvg(page.tracks);
  $("top-view").innerHTML = result.spot && page.tracks.groups.length > 0
    ? spotMapSvg(result.spot, page.tracks) : topViewSvg(page.tracks);
  $("legend").innerHTML = page.tracks.groups.map((g, k) =>
    `<li><span class="swatch" style="background:${escapeXml(g.colour)}"></span>${k + 1} ${escapeXml(g.name)}</li>`).join("");
  document.dispatchEvent(new CustomEvent("tarnwick-answered"));
}

// Recommendations and best orders run on their own worker, which Cancel ends.
async function longRequest(options) {
  $("cancel").hidden = false;
  $("status").textContent = "Working… (Cancel stops it)";
  try {
    const reply = await long.request({ kind: "plan", text: loadText(), ...options });
    if (reply.error) {
      showRefusal(reply.error);
      return null;
    }
    return JSON.parse(reply.json);
  } catch (e) {
    if (e instanceof Cancelled) {
      $("status").textContent = "Cancelled.";
      return null;
    }
    throw e;
  } finally {
    $("cancel").hidden = true;
  }
}

async function recommend() {
  const result = await longRequest({ recommend: true });
  if (!result) return;
  const delays = result.recommendation.roundedDelays;
  load = withDelays(load, delays);
  renderForm();
  loadChanged();
  if (!result.recommendation.reachable) {
    showRefusal("Some gaps cannot meet the target separation with any delay; their delays stay as they were.");
  }
}

async function bestOrder() {
  const before = loadText();
  // The spot is part of every answer here, so the best order must also bring every group back.
  const result = await longRequest({ bestOrder: true, spot: true });
  if (!result) return;
  const names = load.groups.map((g, k) => g.name ?? `Group ${k + 1}`);
  $("best").innerHTML = bestOrderHtml(result, names) +
    (result.bestOrder ? '<button type="button" id="use-order">Use this order</button>' : "");
  $("best").hidden = false;
  $("use-order")?.addEventListener("click", () => {
    if (loadText() !== before) return;  // the load changed meanwhile; the order was for the old one
    load = withOrder(load, result.bestOrder.order, result.bestOrder.roundedDelays);
    renderForm();
    loadChanged();
  });
}

// --- Winds from a paste and from the forecast service --------------------------------------

function windsStatus(text, bad = false) {
  $("winds-status").textContent = text;
  $("winds-status").className = "winds-status" + (bad ? " bad" : "");
}

// The new load from the engine's import, or the refusal in one line; the load is unchanged
// unless the levels are taken.
function takeWinds(what, { json, error }) {
  if (error) {
    windsStatus(`${what} not taken: ${error}. The winds are unchanged.`, true);
    return false;
  }
  load = JSON.parse(json);
  renderForm();
  loadChanged();
  windsStatus(`${what} taken: ${load.windLevels.length} levels.`);
  return true;
}

// A bulletin's stations are offered as soon as it is pasted, the last one used first.
async function windTextChanged() {
  let json;
  try {
    ({ json } = await live.request({ kind: "windStations", winds: $("wind-text").value }, "stations"));
  } catch (e) {
    if (e instanceof Superseded || e instanceof Cancelled) return;  // a newer text is on its way
    throw e;
  }
  const stations = JSON.parse(json);
  let kept = null;
  try { kept = localStorage.getItem("tarnwick.station"); } catch { /* none kept */ }
  $("station").innerHTML = stations.map((s) => `<option${s === kept ? " selected" : ""}>${escapeXml(s)}</option>`).join("");
  $("station-label").hidden = stations.length < 2;
}

async function usePastedWinds() {
  const station = $("station-label").hidden ? "" : $("station").value;
  const reply = await live.request({ kind: "importWinds", text: loadText(), winds: $("wind-text").value, station });
  if (!takeWinds("The pasted winds were", reply)) return;
  $("paste-box").open = false;
  if (station) {
    try { localStorage.setItem("tarnwick.station", station); } catch { /* this visit only */ }
  }
}

const forecast = new ForecastFetch();

async function getForecast() {
  if (navigator.onLine === false) {
    windsStatus("The forecast was not fetched: the browser is offline. The winds are unchanged.", true);
    return;
  }
  const asked = await live.request({ kind: "forecastRequest", text: loadText(), now: Date.now() / 1000 });
  if (asked.error) {
    windsStatus(`The forecast was not fetched: ${asked.error}. The winds are unchanged.`, true);
    return;
  }
  const request = JSON.parse(asked.json);
  $("get-forecast").disabled = true;
  $("cancel-forecast").hidden = false;
  windsStatus("Fetching the forecast… (Cancel stops it)");
  try {
    const fetched = await forecast.get(request);
    if (fetched.error) {
      windsStatus(fetched.cancelled ? "The forecast was cancelled; the winds are unchanged."
        : `The forecast was not fetched: ${fetched.error}. The winds are unchanged.`, true);
      return;
    }
    takeWinds("The forecast was", await live.request({ kind: "importForecast", text: loadText(), body: fetched.body, time: request.time }));
  } finally {
    $("get-forecast").disabled = false;
    $("cancel-forecast").hidden = true;
  }
}

// --- Moving groups by drag (mouse, pen and touch alike) ------------------------------------

function startDrag(event) {
  const row = event.target.closest("tr");
  if (!row || !event.target.classList.contains("handle")) return;
  event.preventDefault();
  const from = Number(row.dataset.row);
  row.classList.add("dragging");
  const move = (e) => {
    const over = document.elementFromPoint(e.clientX, e.clientY)?.closest("#groups tbody tr");
    for (const r of $("groups").tBodies[0].rows) r.classList.toggle("drop-here", r === over && r !== row);
  };
  const end = (e) => {
    window.removeEventListener("pointermove", move);
    window.removeEventListener("pointerup", end);
    row.classList.remove("dragging");
    const over = document.elementFromPoint(e.clientX, e.clientY)?.closest("#groups tbody tr");
    if (over && over !== row) edit({ edit: "moveGroup", row: from, to: Number(over.dataset.row) });
    else renderGroups();
  };
  window.addEventListener("pointermove", move);
  window.addEventListener("pointerup", end);
}

// --- Wiring --------------------------------------------------------------------------------

function wire() {
  document.querySelector(".inputs").addEventListener("input", (e) => {
    if (e.target.matches("input")) fieldEdited(e.target);
  });
  document.querySelector(".inputs").addEventListener("change", (e) => {
    if (e.target.matches("select")) fieldEdited(e.target);
  });
  $("groups").addEventListener("focusin", (e) => {
    const row = e.target.closest("tr[data-row]");
    if (row) selectedGroup = Number(row.dataset.row);
  });
  $("groups").addEventListener("pointerdown", startDrag);
  $("groups").addEventListener("click", (e) => {
    const b = e.target.closest("button");
    if (!b) return;
    if (b.dataset.move !== undefined) {
      selectedGroup = Number(b.dataset.to);
      edit({ edit: "moveGroup", row: Number(b.dataset.move), to: Number(b.dataset.to) });
    } else if (b.dataset.removeGroup !== undefined) {
      selectedGroup = null;
      edit({ edit: "removeGroup", row: Number(b.dataset.removeGroup) });
    }
  });
  $("winds").addEventListener("click", (e) => {
    const b = e.target.closest("button[data-remove-wind]");
    if (b) edit({ edit: "removeWind", row: Number(b.dataset.removeWind) });
  });
  $("add-group").addEventListener("click", () => {
    const row = selectedGroup ?? -1;
    selectedGroup = row === -1 ? load.groups.length : row + 1;
    edit({ edit: "addGroup", row });
  });
  $("add-wind").addEventListener("click", () => edit({ edit: "addWind", row: -1 }));
  $("add-level").addEventListener("click", () => edit({ edit: "addLevel", row: -1 }));
  $("levels").addEventListener("click", (e) => {
    const b = e.target.closest("button[data-remove-level]");
    if (!b) return;
    edit({ edit: "removeLevel", row: Number(b.dataset.removeLevel) });
  });
  $("wind-text").addEventListener("input", windTextChanged);
  $("use-winds").addEventListener("click", usePastedWinds);
  $("get-forecast").addEventListener("click", getForecast);
  $("cancel-forecast").addEventListener("click", () => forecast.cancel());
  $("recommend").addEventListener("click", recommend);
  $("best-order").addEventListener("click", bestOrder);
  $("cancel").addEventListener("click", () => long.cancel());
  $("print").addEventListener("click", () => window.print());
  $("theme").addEventListener("click", () => {
    const dark = document.documentElement.dataset.theme !== "dark";
    document.documentElement.dataset.theme = dark ? "dark" : "light";
    $("theme").textContent = dark ? "Light" : "Dark";
    try { localStorage.setItem("tarnwick.theme", dark ? "dark" : "light"); } catch { /* kept for this visit only */ }
  });
  $("open-file").addEventListener("click", openFile);
  $("save-file").addEventListener("click", saveFile);
}

// A file is read by the engine, strictly and as the desktop reads it, before it replaces the
// load; a refused file leaves the load as it was.
async function openFile() {
  const file = await openLoadFile($("file-input"));
  if (!file) return;
  const { json, error } = await live.request({ kind: "edit", text: file.text, edit: '{"edit":"read"}' });
  if (error) {
    showRefusal(`The load was not opened: "${file.name}": ${error}`);
    return;
  }
  fileHandle = file.handle;
  load = JSON.parse(json);
  selectedGroup = null;
  renderForm();
  loadChanged();
}

async function saveFile() {
  const { json, error } = await live.request({ kind: "edit", text: loadText(), edit: '{"edit":"read"}' });
  if (error) {
    showRefusal("The load was not saved: " + error);
    return;
  }
  fileHandle = await saveLoadFile(json, fileNameFor(load.name), fileHandle);
}

function applyTheme() {
  let theme = null;
  try { theme = localStorage.getItem("tarnwick.theme"); } catch { /* none kept */ }
  theme ??= matchMedia("(prefers-color-scheme: dark)").matches ? "dark" : "light";
  document.documentElement.dataset.theme = theme;
  $("theme").textContent = theme === "dark" ? "Light" : "Dark";
}

// For scripts and tests: the engine's answer for a load file's text, exactly what
// `tarnwick --load FILE --json` prints with the same options.
window.tarnwick = {
  version,
  async plan(text, { recommend = false, bestOrder = false, spot = false } = {}) {
    const reply = await scripts.request({ kind: "plan", text: String(text), recommend, bestOrder, spot });
    if (reply.error) throw new Error(reply.error);
    return reply.json;
  },
};

applyTheme();
$("version").textContent = version;
renderForm();
wire();
answer();
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
