#pragma once
// The judgement of the war when the game ends: the two sides' territorial and
// military scores, the verdict each pair of scores gives, the fate of the two
// capitals, and the player's choice between ending the game and playing on.
#include <cstdint>

struct SideScores {
  std::int64_t union_score = 0;
  std::int64_t confederate_score = 0;
};

// What each side holds, its own states' cities whole and elsewhere only the
// cities it keeps supplied; an early end favours the Union.
SideScores TerritorialScores();
// Each nation's losses count for its enemy, its own victories for its side.
SideScores MilitaryScores();

// The text line of the verdict on a pair of scores: 640..642 as the Union is
// ahead by more, 643..645 the same for the Confederacy; on equal scores
// `tie_text` (0 for none).
int VerdictText(const SideScores& scores, int tie_text);
inline constexpr int kTerritorialTieText = 646;

// 638 when the Confederacy has lost its capital, 639 when the Union has (or
// both have); 0 while both stand.
int CapitalVerdictText();

// "Continue": the campaign runs on to June 1865, once, unless the Confederacy
// has capitulated. Returns whether the game goes on.
bool ContinueCampaign();
// "End Game".
void EndGame();
