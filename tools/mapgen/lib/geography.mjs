// Public-domain geography: the U.S. Census state boundaries of us-atlas, the Natural Earth
// countries of world-atlas, the few lake shores the two leave out (data/lakes.json) and the
// stretches of coast the picture redraws (data/coast.json).

import fs from 'node:fs';
import { createRequire } from 'node:module';
import * as topojson from 'topojson-client';
import { makeRegion, regionContains } from './geometry.mjs';

const require = createRequire(import.meta.url);
const readTopology = (file) => JSON.parse(fs.readFileSync(require.resolve(file), 'utf8'));

// The game's state numbers by the names the census uses. States the war left out of play
// (the territories west of Missouri and Arkansas) are absent and so become state 0.
export const STATE_NUMBERS = {
  Oregon: 1, California: 2, Minnesota: 3, Iowa: 4, Wisconsin: 5, Illinois: 6, Michigan: 7,
  Indiana: 8, Ohio: 9, Pennsylvania: 10, 'New York': 11, 'New Hampshire': 12, Vermont: 13,
  Maine: 14, Massachusetts: 15, 'Rhode Island': 16, Connecticut: 17, 'New Jersey': 18,
  Missouri: 19, Kentucky: 20, Tennessee: 21, Virginia: 22, Texas: 23, Arkansas: 24,
  Mississippi: 25, Louisiana: 26, 'North Carolina': 27, 'South Carolina': 28, Georgia: 29,
  Alabama: 30, Florida: 31, Maryland: 32, Delaware: 33, 'District of Columbia': 34,
  'West Virginia': 35,
};
export const MEXICO = 37;
// Foreign land is out of play (state 0); only the hexes of Matamoros and Nassau, placed with
// the cities, belong to the states of France's and Britain's volunteers.
const FOREIGN = ['Canada', 'Mexico', 'Cuba', 'Bahamas'];

export function polygonsOf(geometry) {
  if (geometry.type === 'Polygon') return [geometry.coordinates];
  if (geometry.type === 'MultiPolygon') return geometry.coordinates;
  return [];
}

function landFeature(name, state, geometry) {
  const rings = polygonsOf(geometry).flat();
  return { name, state, rings, region: makeRegion(rings) };
}

export function loadGeography(dataDir) {
  const us = readTopology('us-atlas/states-10m.json');
  const world = readTopology('world-atlas/countries-10m.json');
  const usStates = topojson.feature(us, us.objects.states).features;
  const countries = topojson.feature(world, world.objects.countries).features;

  const states = usStates.map((f) =>
    landFeature(f.properties.name, STATE_NUMBERS[f.properties.name] ?? 0, f.geometry));
  const foreign = countries
    .filter((f) => FOREIGN.includes(f.properties.name))
    .map((f) => landFeature(f.properties.name, 0, f.geometry));
  const lakes = JSON.parse(fs.readFileSync(`${dataDir}/lakes.json`, 'utf8')).map((lake) => ({
    ...lake, region: makeRegion([lake.points]),
  }));

  // A lake marked "foreign" clears only foreign land; one marked "all" clears any land. Water
  // marked "drawnOnly" (a bay, a sound or a pass far narrower than a hex) is only painted on
  // the map picture: the hexes keep the land the boundaries give them.
  const inLake = (p, onForeignLand) => lakes.some((l) => !l.drawnOnly &&
    (onForeignLand || l.over === 'all') && regionContains(l.region, p));

  // The land feature under a point, or null for water.
  function landAt(p) {
    const state = states.find((f) => regionContains(f.region, p));
    if (state) return inLake(p, false) ? null : state;
    const country = foreign.find((f) => regionContains(f.region, p));
    if (country) return inLake(p, true) ? null : country;
    return null;
  }

  const redrawn = JSON.parse(fs.readFileSync(`${dataDir}/coast.json`, 'utf8'));
  return { us, world, states, foreign, lakes, redrawn, landAt };
}
