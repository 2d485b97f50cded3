import { test } from "node:test";
import assert from "node:assert/strict";
import { ForecastFetch } from "../../page/js/forecast.mjs";

// A stand-in for fetch that answers when told, and honours the abort signal as fetch does.
function pendingFetch() {
  const calls = [];
  const fetchImpl = (url, { signal }) => new Promise((resolve, reject) => {
    calls.push({ url, resolve });
    signal.addEventListener("abort", () => reject(new DOMException("aborted", "AbortError")));
  });
  return { calls, fetchImpl };
}

// Timers counted by hand: the test fires the timeout itself, never waits on a clock.
function handTimers() {
  const timers = [];
  return { timers, setTimer: (f, ms) => timers.push({ f, ms }) - 1, clearTimer: (id) => { timers[id].cleared = true; } };
}

const request = { url: "https://forecast.example/v1?latitude=1", timeoutSeconds: 15 };

test("an answer is returned as text, and the timer is set to the engine's timeout and cleared", async () => {
  const { calls, fetchImpl } = pendingFetch();
  const t = handTimers();
  const f = new ForecastFetch({ fetchImpl, ...t });
  const got = f.get(request);
  assert.equal(f.running, true);
  calls[0].resolve({ ok: true, status: 200, text: async () => "{}" });
  assert.deepEqual(await got, { body: "{}" });
  assert.equal(calls[0].url, request.url);
  assert.equal(t.timers[0].ms, 15000);
  assert.equal(t.timers[0].cleared, true);
  assert.equal(f.running, false);
});

test("an HTTP error, a timeout, a cancel and no network each give one line", async () => {
  const http = pendingFetch();
  const a = new ForecastFetch({ fetchImpl: http.fetchImpl, ...handTimers() });
  const gotHttp = a.get(request);
  http.calls[0].resolve({ ok: false, status: 500, text: async () => "" });
  assert.deepEqual(await gotHttp, { error: "the forecast service answered HTTP 500" });

  const slow = pendingFetch();
  const t = handTimers();
  const b = new ForecastFetch({ fetchImpl: slow.fetchImpl, ...t });
  const gotSlow = b.get(request);
  t.timers[0].f();
  assert.deepEqual(await gotSlow, { error: "no answer within 15 s", cancelled: false });

  const c = new ForecastFetch({ fetchImpl: pendingFetch().fetchImpl, ...handTimers() });
  const gotCancelled = c.get(request);
  c.cancel();
  assert.deepEqual(await gotCancelled, { error: "cancelled", cancelled: true });

  const d = new ForecastFetch({ fetchImpl: async () => { throw new TypeError("Failed to fetch"); }, ...handTimers() });
  assert.deepEqual(await d.get(request), { error: "the forecast service could not be reached (offline?)" });
});
