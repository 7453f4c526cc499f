#pragma once
// A player may raise a leader one class: a divisional or cavalry leader to
// corps command, a corps leader to army command. The public resents the jump:
// the leader loses standing and experience, and his ratings are cut, harder
// when his standing sinks too low, which also costs the nation war score.

// Army leaders stand highest; no leader is promoted past them.
bool CanBePromoted(int leader);

// Promotes the leader; every corps he leads becomes a corps under the
// nation's lowest free number, sized for his new combat rating. Returns
// whether his standing fell so low that the nation paid for it.
bool PromoteLeader(int leader, int nation);
