// The forecast fetched from the browser. The engine builds the request (the desktop's query for
// the drop zone, winds/forecast_query.h) and reads the answer (winds/forecast_answer.h); this
// module only fetches it, within the engine's timeout and until Cancel, and turns every way a
// fetch can fail into one line. Nothing here changes the load.

export class ForecastFetch {
  // fetchImpl: fetch or a stand-in; setTimer/clearTimer: setTimeout and clearTimeout.
  constructor({
    fetchImpl = (...a) => fetch(...a),
    setTimer = (f, ms) => setTimeout(f, ms),  // called as a method, the timer functions throw
    clearTimer = (id) => clearTimeout(id),
  } = {}) {
    this.fetchImpl = fetchImpl;
    this.setTimer = setTimer;
    this.clearTimer = clearTimer;
    this.controller = null;
    this.why = null;
  }

  get running() {
    return this.controller !== null;
  }

  cancel() {
    this.stop("cancelled");
  }

  stop(why) {
    if (!this.controller) return;
    this.why = why;
    this.controller.abort();
  }

  // request: { url, timeoutSeconds } from the engine. Resolves with { body } or { error }, the
  // error a line that ends the sentence "The forecast was not fetched: ...".
  async get(request) {
    this.stop("cancelled");
    const controller = new AbortController();
    this.controller = controller;
    this.why = null;
    const timer = this.setTimer(() => this.stop(`no answer within ${request.timeoutSeconds} s`),
      request.timeoutSeconds * 1000);
    try {
      const response = await this.fetchImpl(request.url, { signal: controller.signal, cache: "no-store" });
      if (!response.ok) return { error: `the forecast service answered HTTP ${response.status}` };
      return { body: await response.text() };
    } catch (problem) {
      if (controller.signal.aborted) return { error: this.why ?? "cancelled", cancelled: this.why === "cancelled" };
      return { error: "the forecast service could not be reached (offline?)" };
    } finally {
      this.clearTimer(timer);
      if (this.controller === controller) this.controller = null;
    }
  }
}
