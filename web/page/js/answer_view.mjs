// The answer as HTML: the calls for the door, the groups and pairs tables, the warnings. Every
// number is the engine's: the result JSON at full precision and the report's texts, written by
// the desktop's own rules (delays to a tenth, calls in whole seconds, distances whole).
import { escapeXml as escape } from "./pictures.mjs";

// The calls a jumpmaster gives at the door: the first group out, then each group's call in
// whole seconds after the group before it.
export function callsHtml(result, page) {
  return result.groups.map((group, k) => {
    const row = page.report.groups[k];
    const call = k === 0 ? "first out" : `${escape(row.callText)} after ${escape(result.groups[k - 1].name)}`;
    return `<li><span class="call-name">${escape(group.name)}</span>` +
      `<span class="call-time${k === 0 ? " first" : ""}">${call}</span></li>`;
  }).join("");
}

function table(head, rows) {
  return `<thead><tr>${head.map((h) => `<th>${escape(h)}</th>`).join("")}</tr></thead>` +
    `<tbody>${rows.map((r) => `<tr${r.cls ? ` class="${r.cls}"` : ""}>` +
      r.cells.map((c) => `<td>${escape(c)}</td>`).join("") + "</tr>").join("")}</tbody>`;
}

export function groupTableHtml(result, page) {
  return table(["#", "Group", "Delay", "Exit", "Fall", "Opens", "Downrange", "Crossrange"],
    result.groups.map((g, k) => {
      const r = page.report.groups[k];
      return {
        cells: [String(k + 1), g.name, r.delay ?? "", r.exitTime,
          r.fallTime, r.opening, r.downrange, r.crossrange],
      };
    }));
}

export function pairTableHtml(result, page) {
  return table(["First", "Second", "Separation", ""], result.pairs.map((p, i) => ({
    cls: p.meetsTarget ? "meets" : "short",
    cells: [result.groups[p.first].name, result.groups[p.second].name,
      page.report.pairSeparations[i], p.meetsTarget ? "✓ meets target" : "✗ under target"],
  })));
}

export function warningsHtml(result) {
  return result.warnings.map((w) => `<li data-code="${escape(w.code)}">${escape(w.message)}</li>`).join("");
}

// The best order beside the given one: the names in order with their calls and jump runs.
export function bestOrderHtml(result, groupNames) {
  const best = result.bestOrder;
  if (!best) {
    return result.spot ? "<p>No exit order meets the target separation with every group back.</p>"
      : "<p>No exit order meets the target separation.</p>";
  }
  const items = best.order.map((index, place) => `<li>${escape(groupNames[index])}` +
    (place === 0 ? "" : ` <span class="call-time">${best.roundedDelays[place] ?? "–"} s</span>`) + "</li>").join("");
  return `<h3>Best order${best.heuristic ? " (a heuristic: too many groups to try every order)" : ""}</h3>` +
    `<ol>${items}</ol><p>Jump run ${best.totalTime} s from the first exit to the last` +
    (best.leastMargin !== undefined ? ", every group back to the landing area" : "") + ".</p>";
}

// The lights for the pilot and the jumpmaster in the report's own calls ("Green light 0.35 NM
// (650 m) before abeam the landing area, 13 s at 95 kt over the ground"), with the place.
function lightHtml(colour, call, point) {
  return `<li class="light ${colour}"><span class="light-call">${escape(call)}</span>` +
    (point.position ? ` <span class="position">at ${escape(point.position)}</span>` : "") + "</li>";
}

export function lightsHtml(result, page) {
  const spot = page.report.spot;
  if (!spot || !result.spot) return "";
  return lightHtml("green", spot.greenLightCall, spot.greenLight) +
    lightHtml("red", spot.redLightCall, spot.redLight);
}

// "Least margin 310 ft: every group gets back", or who cannot get back and what to do: the
// report's line, as the text table and the briefing sheet give it.
export function spotSummaryText(result, page) {
  const spot = page.report.spot;
  if (!spot || !result.spot) return "";
  return spot.marginLine;
}

// Each group's reach and margin at the green light, coloured: green back, red short.
export function spotTableHtml(result, page) {
  const spot = page.report.spot;
  if (!spot || !result.spot) return "";
  return table(["#", "Group", "Reach", "Margin", ""], result.spot.groups.map((g, k) => ({
    cls: g.margin >= 0 ? "meets" : "short",
    cells: [String(k + 1), result.groups[k].name, spot.groups[k].reachRadius, spot.groups[k].margin,
      g.margin >= 0 ? "✓ back" : "✗ cannot get back"],
  })));
}

// Where the jump run lies and the green lights that bring every group back.
export function spotRangeText(page) {
  const spot = page.report.spot;
  if (!spot) return "";
  const range = spot.rangeFrom === null ? "nowhere" : `${spot.rangeFrom} to ${spot.rangeTo}`;
  return `Jump run ${spot.offset} right of the landing area; every group back from green lights ${range}.`;
}
