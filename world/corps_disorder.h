#pragma once
// What a disordered corps does in the orders pass: it falls back or pulls
// itself together, and a foraging corps with no way out surrenders.

// Returns false when the corps surrendered.
bool OrderDisorderedCorps(int corps);
