// Talks to the engine in its workers. Requests are answered in turn; a request with a `key`
// replaces one with the same key that is still waiting, whose promise then rejects with a
// Superseded error, so fast typing never piles up work and only the latest edit is answered.
// cancel() stops whatever the worker is doing (a best order of many groups) by ending the
// worker and starting a new one.

export class Superseded extends Error {
  constructor() {
    super("superseded by a newer request");
    this.name = "Superseded";
  }
}

export class Cancelled extends Error {
  constructor() {
    super("cancelled");
    this.name = "Cancelled";
  }
}

export class EngineClient {
  // makeWorker: () => a Worker-like object (postMessage, onmessage, terminate).
  constructor(makeWorker) {
    this.makeWorker = makeWorker;
    this.nextId = 1;
    this.waiting = [];  // { id, message, key, resolve, reject }
    this.running = null;
    this.start();
  }

  start() {
    this.worker = this.makeWorker();
    this.ready = false;
    this.worker.onmessage = (event) => this.received(event.data);
  }

  // Resolves with { json, error } from the engine.
  request(message, key = null) {
    return new Promise((resolve, reject) => {
      if (key !== null) {
        const older = this.waiting.findIndex((w) => w.key === key);
        if (older >= 0) this.waiting.splice(older, 1)[0].reject(new Superseded());
      }
      this.waiting.push({ id: this.nextId++, message, key, resolve, reject });
      this.pump();
    });
  }

  get busy() {
    return this.running !== null || this.waiting.length > 0;
  }

  cancel() {
    this.worker.terminate();
    const dropped = [...(this.running ? [this.running] : []), ...this.waiting];
    this.running = null;
    this.waiting = [];
    for (const w of dropped) w.reject(new Cancelled());
    this.start();
  }

  pump() {
    if (!this.ready || this.running || this.waiting.length === 0) return;
    this.running = this.waiting.shift();
    this.worker.postMessage({ id: this.running.id, ...this.running.message });
  }

  received(data) {
    if (data.ready) {
      this.ready = true;
    } else if (this.running && data.id === this.running.id) {
      this.running.resolve({ json: data.json, error: data.error });
      this.running = null;
    }
    this.pump();
  }
}
