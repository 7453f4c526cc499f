// The outlines of the election picture: the whole country of 1864 in the projection of the
// game map (longitude and latitude each scaled evenly, a degree of latitude drawn as long
// against a degree of longitude as there), fitted to the picture, with the north-east magnified
// so that the small states there can be read and coloured.

import * as topojson from 'topojson-client';
import { project } from './grid.mjs';
import { simplify } from './geometry.mjs';
import { polygonsOf } from './geography.mjs';

const ELECTION_WIDTH = 646;
const ELECTION_HEIGHT = 452;
// The country fills this box of the picture; below it the dialog shows the count.
const FRAME = { left: 10, top: 36, right: 636, bottom: 352 };
const TOLERANCE = 0.3;

// A degree of latitude against a degree of longitude, as the game map draws them.
const LATITUDE_STRETCH = (() => {
  const [x0, y0] = project([0, 0]);
  const [x1, y1] = project([1, 1]);
  return (y0 - y1) / (x1 - x0);
})();

// The magnifying glass over New England and the middle Atlantic: the scale grows smoothly
// towards its centre, up to 1 + STRENGTH times; the picture never folds over itself while
// STRENGTH stays below 8.
const GLASS_CENTRE = [-73.6, 41.1];
const GLASS_RADIUS = 5.5;  // degrees of longitude
const STRENGTH = 2.6;

function plain([lon, lat]) {
  return [lon, -lat * LATITUDE_STRETCH];
}

const glassCentre = plain(GLASS_CENTRE);

function magnified(p) {
  const q = plain(p);
  const dx = q[0] - glassCentre[0], dy = q[1] - glassCentre[1];
  const u = (dx * dx + dy * dy) / (GLASS_RADIUS * GLASS_RADIUS);
  const scale = 1 + STRENGTH / (1 + u);
  return [glassCentre[0] + dx * scale, glassCentre[1] + dy * scale];
}

// Rings are cut a little outside the picture, one side of the box at a time, so that the
// neighbours' coasts far off the picture cost nothing.
const MARGIN = 8;
const HALF_PLANES = [
  [0, -MARGIN, 1], [1, -MARGIN, 1], [0, ELECTION_WIDTH + MARGIN, -1], [1, ELECTION_HEIGHT + MARGIN, -1],
];

function cutByHalfPlane(ring, [axis, limit, sign]) {
  const keeps = (p) => sign * (p[axis] - limit) >= 0;
  const out = [];
  ring.forEach((p, i) => {
    const q = ring[(i + 1) % ring.length];
    if (keeps(p)) out.push(p);
    if (keeps(p) !== keeps(q)) {
      const t = (limit - p[axis]) / (q[axis] - p[axis]);
      out.push([p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])]);
    }
  });
  return out;
}

const clipped = (ring) => HALF_PLANES.reduce((r, half) => (r.length ? cutByHalfPlane(r, half) : r), ring);

// Islands smaller than this many square pixels are left out: they would print as a black dot.
// A feature's largest ring stays whatever its size, so that no state leaves a hole.
const SMALLEST_ISLAND = 30;
function area(ring) {
  let twice = 0;
  ring.forEach(([x0, y0], i) => {
    const [x1, y1] = ring[(i + 1) % ring.length];
    twice += x0 * y1 - x1 * y0;
  });
  return Math.abs(twice) / 2;
}

// The states of 1864 and the territories (every state south of Canada on the mainland).
const mainland = (feature) => !['Alaska', 'Hawaii'].includes(feature.name) &&
  feature.rings.some((ring) => ring.some(([lon, lat]) => lon > -126 && lat > 24 && lat < 50));

function fitter(states) {
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (const f of states) for (const ring of f.rings) for (const p of ring) {
    const [x, y] = magnified(p);
    x0 = Math.min(x0, x); x1 = Math.max(x1, x); y0 = Math.min(y0, y); y1 = Math.max(y1, y);
  }
  const scale = Math.min((FRAME.right - FRAME.left) / (x1 - x0), (FRAME.bottom - FRAME.top) / (y1 - y0));
  const left = (FRAME.left + FRAME.right - scale * (x1 - x0)) / 2;
  const top = (FRAME.top + FRAME.bottom - scale * (y1 - y0)) / 2;
  return (p) => {
    const [x, y] = magnified(p);
    return [left + scale * (x - x0), top + scale * (y - y0)];
  };
}

const format = (points) => points.map(([x, y]) => `${x.toFixed(1)},${y.toFixed(1)}`).join(' ');

// Each shared border is simplified once, on the arcs of the topology, so that two neighbours
// keep the very same line between them and no sliver opens or overlaps.
function placedTopology(topology, place) {
  const decode = topojson.transform(topology.transform);
  const arcs = topology.arcs.map((arc) => simplify(arc.map((p, i) => place(decode(p, i))), TOLERANCE));
  return { ...topology, transform: undefined, arcs };
}

// One line a ring: "state N" for a state (0 for the territories, Kansas and Nevada, which the
// war left out of play and the picture draws as one),
// "foreign" for the neighbours' land, "lake" for water painted over both.
export function electionLines(geography) {
  const states = geography.states.filter(mainland);
  const place = fitter(states);
  const numbers = new Map(states.map((f) => [f.name, f.state]));
  const us = placedTopology(geography.us, place);
  const out = [];
  const emit = (tag, rings) => {
    const pieces = rings.map(clipped).filter((r) => r.length >= 3).sort((a, b) => area(b) - area(a));
    pieces.forEach((points, i) => {
      if (i === 0 || area(points) >= SMALLEST_ISLAND) out.push(`${tag} ${format(points)}`);
    });
  };
  const placedAndSimplified = (rings) => rings.map((ring) => simplify(ring.map(place), TOLERANCE));
  for (const f of geography.foreign) emit('foreign', placedAndSimplified(f.rings));
  for (const f of topojson.feature(us, us.objects.states).features) {
    if (numbers.has(f.properties.name)) emit(`state ${numbers.get(f.properties.name)}`, polygonsOf(f.geometry).flat());
  }
  for (const lake of geography.lakes) emit('lake', placedAndSimplified([lake.points]));
  return out;
}
