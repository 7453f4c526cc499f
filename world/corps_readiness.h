#pragma once
// A corps' readiness for battle (0..25) moves each turn by -2..+3: rest,
// supply, its ground, its odds and its commanders raise it; forced marches,
// fatigue and poor supply wear it down. A corps at sea never loses it.
void UpdateCorpsReadiness();
