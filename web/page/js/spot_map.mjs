// The top view as a map of the spot's ground frame: the landing area at the origin, the jump
// run from left to right on its offset, its right side down the picture (as the top view has
// it), each group's reach circle and opening in its colour, the green and red lights, north
// and a scale. The frame and every number are the result's "spot"; the openings come from the
// flight's tracks moved to the green light, so the map is what was flown.
import { escapeXml, northArrow } from "./pictures.mjs";

const W = 640, H = 400, M = 24;

// A scale bar's length: 1, 2 or 5 times a power of ten, at most `longest`.
export function scaleLength(longest) {
  if (!(longest > 0)) return 0;
  const power = 10 ** Math.floor(Math.log10(longest));
  return [5, 2, 1].map((m) => m * power).find((v) => v <= longest);
}

// The openings in the ground frame: group k opens at (g + d_k, offset + c_k), with (d_k, c_k)
// its opening from the first exit.
export function groundOpenings(spot, tracks) {
  const g = spot.greenLight.alongTrack;
  return tracks.groups.map((group) => group.opening
    ? [g + group.opening[0] - tracks.firstExitAlong, spot.offset + group.opening[1]] : null);
}

// The box that holds the landing area, every reach circle, every opening and both lights.
export function mapBounds(spot, openings) {
  const xs = [0, spot.greenLight.alongTrack, spot.redLight.alongTrack];
  const ys = [0, spot.offset];
  for (const r of spot.groups) {
    xs.push(r.reachCentre.alongTrack - r.reachRadius, r.reachCentre.alongTrack + r.reachRadius);
    ys.push(r.reachCentre.rightOfTrack - r.reachRadius, r.reachCentre.rightOfTrack + r.reachRadius);
  }
  for (const o of openings) if (o) { xs.push(o[0]); ys.push(o[1]); }
  let [x0, x1] = [Math.min(...xs), Math.max(...xs)], [y0, y1] = [Math.min(...ys), Math.max(...ys)];
  const span = Math.max(x1 - x0, y1 - y0, 100);
  const pad = span * 0.06;
  return [x0 - pad, x1 + pad, y0 - pad, y1 + pad];
}

function mark(x, y, text, cls) {
  return `<circle class="${cls}" cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="6"/>` +
    `<text class="light-text" x="${x.toFixed(1)}" y="${(y - 14).toFixed(1)}" text-anchor="middle">${text}</text>`;
}

export function spotMapSvg(spot, tracks) {
  const openings = groundOpenings(spot, tracks);
  const [x0, x1, y0, y1] = mapBounds(spot, openings);
  const perUnit = Math.min((W - 2 * M) / (x1 - x0), (H - 2 * M) / (y1 - y0));
  const cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const x = (v) => W / 2 + (v - cx) * perUnit;
  const y = (v) => H / 2 + (v - cy) * perUnit;  // right of the track is down
  const f = (v) => v.toFixed(1);
  let body = "";
  spot.groups.forEach((r, k) => {
    const colour = escapeXml(tracks.groups[k]?.colour ?? "#888");
    body += `<circle class="reach${r.margin < 0 ? " short" : ""}" cx="${f(x(r.reachCentre.alongTrack))}" ` +
      `cy="${f(y(r.reachCentre.rightOfTrack))}" r="${f(r.reachRadius * perUnit)}" stroke="${colour}"/>`;
  });
  body += `<line class="jump-run" x1="${M / 2}" y1="${f(y(spot.offset))}" x2="${W - M / 2}" y2="${f(y(spot.offset))}"/>` +
    `<text class="axis-text" x="${W - M / 2}" y="${f(y(spot.offset) - 6)}" text-anchor="end">jump run →</text>` +
    `<line class="aircraft" x1="${f(x(spot.greenLight.alongTrack))}" y1="${f(y(spot.offset))}" ` +
    `x2="${f(x(spot.redLight.alongTrack))}" y2="${f(y(spot.offset))}"/>`;
  // The landing area: a target.
  body += `<circle class="landing" cx="${f(x(0))}" cy="${f(y(0))}" r="10"/>` +
    `<circle class="landing-dot" cx="${f(x(0))}" cy="${f(y(0))}" r="3"/>` +
    `<text class="axis-text" x="${f(x(0) + 13)}" y="${f(y(0) + 18)}">landing area</text>`;
  // The lights first: an opening drawn over a light stays in sight.
  body += mark(x(spot.greenLight.alongTrack), y(spot.offset), "green", "green-light") +
    mark(x(spot.redLight.alongTrack), y(spot.offset), "red", "red-light");
  openings.forEach((o, k) => {
    if (!o) return;
    const colour = escapeXml(tracks.groups[k].colour);
    body += `<circle cx="${f(x(o[0]))}" cy="${f(y(o[1]))}" r="9" fill="${colour}" class="mark"/>` +
      `<text x="${f(x(o[0]))}" y="${f(y(o[1]) + 4)}" class="mark-text">${k + 1}</text>`;
  });
  if (tracks.jumpRunHeading !== null && tracks.jumpRunHeading !== undefined) {
    body += northArrow(tracks.jumpRunHeading, W - 30, 34);
  }
  const bar = scaleLength((W - 2 * M) / 3 / perUnit);
  body += `<line class="scale" x1="${M}" y1="${H - 14}" x2="${f(M + bar * perUnit)}" y2="${H - 14}"/>` +
    `<text class="axis-text" x="${M}" y="${H - 20}">${bar} ${escapeXml(tracks.distanceUnit)}</text>`;
  return `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${W} ${H}" role="img" ` +
    `aria-label="map of the spot: landing area, reach circles, openings and jump run">` +
    `<title>Top view: the spot</title><rect class="pic-bg" x="0" y="0" width="${W}" height="${H}"/>${body}</svg>`;
}
