// Plane geometry on longitude/latitude and pixel coordinates.

export function ringBox(ring) {
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (const [x, y] of ring) {
    if (x < x0) x0 = x;
    if (x > x1) x1 = x;
    if (y < y0) y0 = y;
    if (y > y1) y1 = y;
  }
  return [x0, y0, x1, y1];
}

export function ringContains(ring, [px, py]) {
  let inside = false;
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
    const [xi, yi] = ring[i];
    const [xj, yj] = ring[j];
    if (yi > py !== yj > py && px < ((xj - xi) * (py - yi)) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

// A region is a list of rings read with the even-odd rule (outer rings and their holes).
export function makeRegion(rings) {
  return { rings, boxes: rings.map(ringBox) };
}

export function regionContains(region, p) {
  let inside = false;
  region.rings.forEach((ring, i) => {
    const [x0, y0, x1, y1] = region.boxes[i];
    if (p[0] < x0 || p[0] > x1 || p[1] < y0 || p[1] > y1) return;
    if (ringContains(ring, p)) inside = !inside;
  });
  return inside;
}

export function segmentsCross([ax, ay], [bx, by], [cx, cy], [dx, dy]) {
  const d1 = (dx - cx) * (ay - cy) - (dy - cy) * (ax - cx);
  const d2 = (dx - cx) * (by - cy) - (dy - cy) * (bx - cx);
  const d3 = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
  const d4 = (bx - ax) * (dy - ay) - (by - ay) * (dx - ax);
  return d1 * d2 < 0 && d3 * d4 < 0;
}

export function lineCrossesPolyline(a, b, polyline) {
  let crossings = 0;
  for (let i = 1; i < polyline.length; i++) {
    if (segmentsCross(a, b, polyline[i - 1], polyline[i])) crossings++;
  }
  return crossings % 2 === 1;
}

// The point of segment ab nearest to p.
export function closestOnSegment([px, py], [ax, ay], [bx, by]) {
  const dx = bx - ax, dy = by - ay;
  const len2 = dx * dx + dy * dy;
  if (len2 === 0) return [ax, ay];
  const t = Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / len2));
  return [ax + t * dx, ay + t * dy];
}

// The point of any of the polylines nearest to p.
export function closestOnPolylines(p, polylines) {
  let best = null, bestDistance = Infinity;
  for (const line of polylines) {
    for (let i = 1; i < line.length; i++) {
      const q = closestOnSegment(p, line[i - 1], line[i]);
      const d = Math.hypot(q[0] - p[0], q[1] - p[1]);
      if (d < bestDistance) { best = q; bestDistance = d; }
    }
  }
  return best;
}

function perpendicularDistance(p, a, b) {
  const [qx, qy] = closestOnSegment(p, a, b);
  return Math.hypot(p[0] - qx, p[1] - qy);
}

// Douglas-Peucker, iterative so that long coastlines do not exhaust the stack.
export function simplify(points, tolerance) {
  if (points.length < 3) return points;
  const keep = new Uint8Array(points.length);
  keep[0] = keep[points.length - 1] = 1;
  const stack = [[0, points.length - 1]];
  while (stack.length) {
    const [first, last] = stack.pop();
    let worst = 0, index = -1;
    for (let i = first + 1; i < last; i++) {
      const d = perpendicularDistance(points[i], points[first], points[last]);
      if (d > worst) { worst = d; index = i; }
    }
    if (worst > tolerance) {
      keep[index] = 1;
      stack.push([first, index], [index, last]);
    }
  }
  return points.filter((_, i) => keep[i]);
}
