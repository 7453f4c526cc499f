// The vector lines the map picture is drawn from, projected to picture pixels and simplified
// to what a 2128 x 1512 picture can show.

import * as topojson from 'topojson-client';
import { PICTURE_WIDTH, PICTURE_HEIGHT, project, hexCentre, parseHexList } from './grid.mjs';
import { simplify } from './geometry.mjs';

const MARGIN = 40;
const TOLERANCE = 0.35;
const BOUNDS = [-MARGIN, -MARGIN, PICTURE_WIDTH + MARGIN, PICTURE_HEIGHT + MARGIN];

// Sutherland-Hodgman against the picture and its margin: a ring keeps its shape inside.
function clipRing(ring) {
  const edges = [
    (p) => p[0] >= BOUNDS[0], (p) => p[1] >= BOUNDS[1],
    (p) => p[0] <= BOUNDS[2], (p) => p[1] <= BOUNDS[3],
  ];
  const cut = [
    (a, b) => lerpAt(a, b, 0, BOUNDS[0]), (a, b) => lerpAt(a, b, 1, BOUNDS[1]),
    (a, b) => lerpAt(a, b, 0, BOUNDS[2]), (a, b) => lerpAt(a, b, 1, BOUNDS[3]),
  ];
  let out = ring;
  edges.forEach((inside, e) => {
    const input = out;
    out = [];
    input.forEach((p, i) => {
      const prev = input[(i + input.length - 1) % input.length];
      if (inside(p)) {
        if (!inside(prev)) out.push(cut[e](prev, p));
        out.push(p);
      } else if (inside(prev)) {
        out.push(cut[e](prev, p));
      }
    });
  });
  return out;
}

function lerpAt(a, b, axis, value) {
  const t = (value - a[axis]) / (b[axis] - a[axis]);
  return [a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t];
}

const insideBounds = (p) => p[0] >= BOUNDS[0] && p[0] <= BOUNDS[2] && p[1] >= BOUNDS[1] && p[1] <= BOUNDS[3];

// Open lines keep only their stretches that come near the picture.
function clipLine(points) {
  const runs = [];
  let run = [];
  points.forEach((p, i) => {
    const near = insideBounds(p) || (i > 0 && insideBounds(points[i - 1])) ||
      (i + 1 < points.length && insideBounds(points[i + 1]));
    if (near) run.push(p);
    else if (run.length) { runs.push(run); run = []; }
  });
  if (run.length) runs.push(run);
  return runs.filter((r) => r.length > 1);
}

const format = (points) => points.map(([x, y]) => `${x.toFixed(1)},${y.toFixed(1)}`).join(' ');

function projectedRings(feature) {
  return feature.rings
    .map((ring) => simplify(clipRing(ring.map(project)), TOLERANCE))
    .filter((r) => r.length >= 3);
}

// Foreign countries come first and U.S. states after them, so that a lake written to follow
// the last foreign feature clears foreign land only.
export function landLines(geography) {
  const out = [];
  let id = 0;
  let lastForeign = 0;
  for (const feature of [...geography.foreign, ...geography.states]) {
    const rings = projectedRings(feature);
    if (!rings.length) continue;
    id++;
    if (geography.foreign.includes(feature)) lastForeign = id;
    for (const ring of rings) out.push(`${id} ${feature.state} ${format(ring)}`);
  }
  return { lines: out, lastForeign, last: id };
}

// Each lake is painted after the land feature it names: the last foreign one for lakes over
// foreign land only, the very last for lakes over any land.
export function lakeLines(geography, land) {
  return geography.lakes.map((lake) => {
    const after = lake.over === 'foreign' ? land.lastForeign : land.last;
    return `${after} ${format(simplify(lake.points.map(project), TOLERANCE))}`;
  });
}

function openLines(lonLatLines, tolerance = TOLERANCE) {
  return lonLatLines.flatMap((line) => clipLine(line.map(project)).map((r) => simplify(r, tolerance)));
}

// Rivers lose the oxbows of the boundary surveys: at this scale they read as scribble.
const RIVER_TOLERANCE = 1.2;

// State borders and the international borders on the map.
export function borderLines(geography) {
  const states = topojson.mesh(geography.us, geography.us.objects.states, (a, b) => a !== b);
  const nations = topojson.mesh(geography.world, geography.world.objects.countries, (a, b) =>
    a !== b && [a, b].some((f) => f.properties.name === 'United States of America'));
  return openLines([...states.coordinates, ...nations.coordinates]).map(format);
}

export function riverLines(stretches, features) {
  const rivers = [
    ...stretches.map((s) => ({ width: s.river.width, points: s.points })),
    ...features.filter((f) => f.kind === 'river').map((f) => ({ width: f.width, points: f.points })),
  ];
  return rivers.flatMap(({ width, points }) =>
    openLines([points], RIVER_TOLERANCE).map((r) => `${width} ${format(r)}`));
}

// A city's mark sits at its real place, pulled inside its own hex where the hex was moved
// to keep two cities apart.
const MARK_RADIUS = 11;
export function cityMark(city) {
  const centre = project(hexCentre(city.x, city.y));
  const real = project([city.lon, city.lat]);
  const dx = real[0] - centre[0], dy = real[1] - centre[1];
  const d = Math.hypot(dx, dy);
  if (d <= MARK_RADIUS) return real;
  return [centre[0] + (dx * MARK_RADIUS) / d, centre[1] + (dy * MARK_RADIUS) / d];
}

// Railways run along their hex chains through each city's mark. A chain zigzags from
// column to column, so the track is relaxed towards its neighbours, the cities held fast.
const RELAX_PASSES = 8;
function relax(points, pinned) {
  let p = points;
  for (let pass = 0; pass < RELAX_PASSES; pass++) {
    p = p.map((q, i) => (pinned[i] || i === 0 || i === p.length - 1 ? q : [
      0.5 * q[0] + 0.25 * (p[i - 1][0] + p[i + 1][0]),
      0.5 * q[1] + 0.25 * (p[i - 1][1] + p[i + 1][1]),
    ]));
  }
  return p;
}

export function railwayLines(railways, cities) {
  const cityAt = new Map(cities.map((c) => [`${c.x},${c.y}`, c]));
  return railways.map((line) => {
    const hexes = parseHexList(line.hexes);
    const pinned = hexes.map(([x, y]) => cityAt.has(`${x},${y}`));
    const points = hexes.map(([x, y]) => {
      const city = cityAt.get(`${x},${y}`);
      return city ? cityMark(city) : project(hexCentre(x, y));
    });
    return `${line.from} ${format(relax(points, pinned))}`;
  });
}
