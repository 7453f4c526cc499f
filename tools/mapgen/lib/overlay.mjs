// Hand corrections, applied after everything the geography gives, so that a rebuild keeps
// them. One correction per line:  <what> [<value>]: <hexes or sides>   (# starts a comment)
//   terrain <class>: x,y ...      water (class 0) also clears the state
//   state <number>: x,y ...
//   side <code>: x,y,d ...        d is 1 (N), 2 (NE) or 3 (SE)

import fs from 'node:fs';
import { setSide } from './layers.mjs';

export function readOverlay(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  const corrections = [];
  lines.forEach((raw, i) => {
    const line = raw.replace(/#.*/, '').trim();
    if (!line) return;
    const m = line.match(/^(terrain|state|side)\s+(\d+)\s*:\s*(.*)$/);
    if (!m) throw new Error(`${file}:${i + 1}: cannot read "${raw}"`);
    const places = m[3].trim().split(/\s+/).map((t) => t.split(',').map(Number));
    corrections.push({ what: m[1], value: Number(m[2]), places, line: i + 1 });
  });
  return corrections;
}

export function applyOverlay(layers, corrections) {
  for (const { what, value, places } of corrections) {
    for (const [x, y, d] of places) {
      if (what === 'terrain') {
        layers.terrain.set(x, y, value);
        if (value === 0) layers.state.set(x, y, 0);
      } else if (what === 'state') {
        layers.state.set(x, y, value);
      } else {
        setSide(layers.sides, x, y, d, value);
      }
    }
  }
}
