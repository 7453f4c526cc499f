// Border rivers: stretches of state boundaries that follow a river. The census boundaries
// trace the river's real course, so the same lines give the hex sides and the picture.

import * as topojson from 'topojson-client';
import { STATE_NUMBERS, MEXICO } from './geography.mjs';

const pair = (a, b) => [String(a), String(b)].sort().join('-');
const always = () => true;

export const BORDER_RIVERS = [
  { name: 'Mississippi', code: 2, width: 3,
    pairs: [[3, 5], [4, 5], [4, 6], [6, 19], [19, 20], [19, 21], [21, 24], [24, 25], [25, 26]],
    keep: ([, lat], key) => key !== pair(25, 26) || lat > 31.01 },
  { name: 'Pearl', code: 1, width: 1, pairs: [[25, 26]],
    keep: ([lon, lat]) => lat < 31.005 && lon > -89.8 },
  { name: 'Ohio', code: 2, width: 3, pairs: [[6, 20], [8, 20], [9, 20], [9, 35]], keep: always },
  { name: 'Big Sandy and Tug Fork', code: 1, width: 1, pairs: [[20, 35]], keep: always },
  { name: 'Potomac', code: 2, width: 2, pairs: [[22, 32], [32, 35], [22, 34]],
    keep: ([lon], key) => (key === pair(22, 32) ? lon < -76.2 : lon > -79.45) },
  { name: 'Savannah below Augusta', code: 2, width: 2, pairs: [[28, 29]],
    keep: ([, lat]) => lat < 33.5 },
  { name: 'upper Savannah', code: 1, width: 1, pairs: [[28, 29]], keep: ([, lat]) => lat >= 33.5 },
  { name: 'Chattahoochee below West Point', code: 2, width: 2, pairs: [[29, 30]],
    keep: ([lon, lat]) => lat < 32.87 && lon < -84.8 },
  { name: 'Sabine', code: 2, width: 2, pairs: [[23, 26]], keep: ([, lat]) => lat < 31.99 },
  { name: 'Delaware', code: 2, width: 2, pairs: [[10, 18], [18, 33], [10, 11]],
    keep: ([lon, lat], key) => key !== pair(10, 11) || (lon > -75.36 && lat < 41.99) },
  { name: 'Missouri above Kansas City', code: 0, width: 3, pairs: [['Missouri', 'Kansas'],
    ['Missouri', 'Nebraska'], ['Iowa', 'Nebraska']], keep: ([, lat]) => lat > 39.11 },
  { name: 'Red above Fulton', code: 0, width: 2, pairs: [['Texas', 'Oklahoma'],
    ['Arkansas', 'Texas']], keep: ([lon, lat]) => lat > 33.54 && lon > -99.5 },
];

const stateKey = (p) => (typeof p === 'string' ? STATE_NUMBERS[p] ?? p : p);
const pairKeys = (river) => river.pairs.map(([a, b]) => pair(stateKey(a), stateKey(b)));

function splitRuns(line, keep, key) {
  const runs = [];
  let run = [];
  for (const p of line) {
    if (keep(p, key)) run.push(p);
    else {
      if (run.length > 1) runs.push(run);
      run = [];
    }
  }
  if (run.length > 1) runs.push(run);
  return runs;
}

const featureKey = (f) => STATE_NUMBERS[f.properties.name] ?? f.properties.name;

// Each river's stretches as lon/lat polylines, with the pair of states each one divides.
export function borderRiverLines(geography) {
  const { us, world } = geography;
  const stretches = [];
  for (const river of BORDER_RIVERS) {
    for (const key of pairKeys(river)) {
      const mesh = topojson.mesh(us, us.objects.states,
        (a, b) => a !== b && pair(featureKey(a), featureKey(b)) === key);
      for (const line of mesh.coordinates) {
        for (const run of splitRuns(line, river.keep, key)) stretches.push({ river, key, points: run });
      }
    }
  }
  const rioGrande = { name: 'Rio Grande', code: 2, width: 2 };
  const mexicoBorder = topojson.mesh(world, world.objects.countries, (a, b) =>
    a !== b && [a, b].every((f) => ['Mexico', 'United States of America'].includes(f.properties.name)));
  for (const line of mexicoBorder.coordinates) {
    for (const run of splitRuns(line, ([lon]) => lon > -106.4)) {
      stretches.push({ river: rioGrande, key: pair(23, MEXICO), points: run });
      stretches.push({ river: rioGrande, key: pair(23, 0), points: run });
    }
  }
  return stretches;
}

export { pair as statePair };
