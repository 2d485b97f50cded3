// The planning engine in a worker, so the page never waits on it. A classic worker, because
// the engine (tarnwick_engine.js, built with MODULARIZE) is a classic script.
// Messages in:  { id, kind: "plan", text, recommend, bestOrder, spot, forPage }
//               { id, kind: "edit", text, edit }   (edit: the JSON text of one load edit)
//               { id, kind: "windStations", winds }
//               { id, kind: "importWinds", text, winds, station }
//               { id, kind: "forecastRequest", text, now }      (now: seconds since 1970 UTC)
//               { id, kind: "importForecast", text, body, time }
// Messages out: { ready: true } once, then { id, json, error } for each message in turn.
/* global importScripts, TarnwickEngine */

// GeographicLib's JavaScript port, for the spot's latitudes and longitudes. Outside a page it
// hands itself over as a CommonJS module; a worker has no window for it to name.
self.module = { exports: {} };
importScripts("lib/geographiclib-geodesic.min.js");
const geodesic = self.module.exports;
delete self.module;
importScripts("tarnwick_engine.js");

const engine = TarnwickEngine({ geodesic: geodesic.Geodesic.WGS84 });
engine.then(() => postMessage({ ready: true }));

const answers = {
  plan: (m, d) => m.plan(String(d.text), !!d.recommend, !!d.bestOrder, !!d.spot, !!d.forPage),
  edit: (m, d) => m.edit(String(d.text), String(d.edit)),
  windStations: (m, d) => ({ json: m.windStations(String(d.winds)), error: "" }),
  importWinds: (m, d) => m.importWinds(String(d.text), String(d.winds), String(d.station ?? "")),
  forecastRequest: (m, d) => m.forecastRequest(String(d.text), Number(d.now)),
  importForecast: (m, d) => m.importForecast(String(d.text), String(d.body), Number(d.time)),
};

onmessage = async (event) => {
  const m = await engine;
  const { id, kind } = event.data;
  try {
    if (!Object.hasOwn(answers, kind)) throw new Error(`unknown request ${kind}`);
    const answer = answers[kind](m, event.data);
    postMessage({ id, json: answer.json, error: answer.error });
  } catch (problem) {
    postMessage({ id, json: "", error: "the engine failed: " + String(problem) });
  }
};
