// The planning engine in a worker, so the page never waits on it. A classic worker, because
// the engine (tarnwick_engine.js, built with MODULARIZE) is a classic script.
// Messages in:  { id, kind: "plan", text, recommend, bestOrder, forPage }
//               { id, kind: "edit", text, edit }   (edit: the JSON text of one load edit)
// Messages out: { ready: true } once, then { id, json, error } for each message in turn.
/* global importScripts, TarnwickEngine */
importScripts("tarnwick_engine.js");

const engine = TarnwickEngine();
engine.then(() => postMessage({ ready: true }));

onmessage = async (event) => {
  const m = await engine;
  const { id, kind } = event.data;
  try {
    const answer =
      kind === "plan"
        ? m.plan(String(event.data.text), !!event.data.recommend, !!event.data.bestOrder,
                 !!event.data.forPage)
        : m.edit(String(event.data.text), String(event.data.edit));
    postMessage({ id, json: answer.json, error: answer.error });
  } catch (problem) {
    postMessage({ id, json: "", error: "the engine failed: " + String(problem) });
  }
};
