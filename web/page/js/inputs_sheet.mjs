// The load's inputs on the printed briefing, beside the answer: the aircraft, the drop zone, the
// jump run and spot settings, the winds with their source, and each group's fall rate, opening
// and canopy, in the desktop briefing sheet's own words (the engine's "briefing").
import { escapeXml as escape } from "./pictures.mjs";

export function inputsSheetHtml(briefing, loadName) {
  const lines = [
    ["Aircraft", [briefing.aircraft]],
    ["Drop zone", [briefing.dropZone || "none given"]],
    ["Spot", [briefing.spotInputs]],
    ["Winds", [...briefing.winds, ...(briefing.windSource ? [briefing.windSource] : [])]],
    ["Separation", [briefing.target]],
  ];
  const groups = briefing.groups.map((g, k) => `<tr><td>${k + 1}</td><td>${escape(g.name)}</td>` +
    `<td>${escape(g.call)}</td><td>${escape(g.fallRate)}</td><td>${escape(g.opening)}</td>` +
    `<td>${escape(g.canopy)}</td></tr>`).join("");
  return `<h2>Inputs${loadName ? `: ${escape(loadName)}` : ""}</h2><dl class="facts">` +
    lines.map(([term, texts]) => `<dt>${term}</dt>${texts.map((t) => `<dd>${escape(t)}</dd>`).join("")}`).join("") +
    `</dl><table class="answer-table inputs-groups"><thead><tr><th>#</th><th>Group</th><th>Call</th>` +
    `<th>Fall rate</th><th>Opens</th><th>Canopy</th></tr></thead><tbody>${groups}</tbody></table>`;
}
