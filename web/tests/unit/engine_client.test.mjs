import { test } from "node:test";
import assert from "node:assert/strict";
import { EngineClient, Superseded, Cancelled } from "../../page/js/engine_client.mjs";

// A worker that answers only when told to, and counts what it was sent.
class FakeWorker {
  static made = [];
  constructor() {
    this.sent = [];
    this.terminated = false;
    FakeWorker.made.push(this);
  }
  postMessage(m) { this.sent.push(m); }
  terminate() { this.terminated = true; }
  ready() { this.onmessage({ data: { ready: true } }); }
  answer(json) { const m = this.sent.at(-1); this.onmessage({ data: { id: m.id, json, error: "" } }); }
}

test("requests wait for the engine, run one at a time and are answered in turn", async () => {
  const client = new EngineClient(() => new FakeWorker());
  const worker = FakeWorker.made.at(-1);
  const first = client.request({ kind: "plan", text: "a" });
  const second = client.request({ kind: "plan", text: "b" });
  assert.equal(worker.sent.length, 0, "nothing before the engine is ready");
  worker.ready();
  assert.deepEqual(worker.sent.map((m) => m.text), ["a"]);
  worker.answer("A");
  assert.deepEqual(worker.sent.map((m) => m.text), ["a", "b"]);
  worker.answer("B");
  assert.deepEqual([await first, await second].map((r) => r.json), ["A", "B"]);
});

test("only the latest of the waiting requests with one key is sent", async () => {
  const client = new EngineClient(() => new FakeWorker());
  const worker = FakeWorker.made.at(-1);
  worker.ready();
  const running = client.request({ text: "1" }, "answer");
  const dropped = client.request({ text: "2" }, "answer");
  const latest = client.request({ text: "3" }, "answer");
  await assert.rejects(dropped, Superseded);
  worker.answer("one");
  worker.answer("three");
  assert.deepEqual(worker.sent.map((m) => m.text), ["1", "3"]);
  assert.equal((await running).json, "one");
  assert.equal((await latest).json, "three");
});

test("cancel ends the worker, rejects what it held and starts a fresh one", async () => {
  const client = new EngineClient(() => new FakeWorker());
  const worker = FakeWorker.made.at(-1);
  worker.ready();
  const long = client.request({ text: "best order" });
  client.cancel();
  await assert.rejects(long, Cancelled);
  assert.ok(worker.terminated);
  const fresh = FakeWorker.made.at(-1);
  assert.notEqual(fresh, worker);
  const next = client.request({ text: "again" });
  fresh.ready();
  fresh.answer("done");
  assert.equal((await next).json, "done");
});
