#include "support/campaign_run.h"

#include "world/codes.h"
#include "world/game_date.h"
#include "world/menu_states.h"
#include "world/post_mortem.h"
#include "world/vardecl.h"

namespace {

// A turn's seeds follow one another; a campaign's lie this far from the next
// seed's, further than any campaign has turns.
constexpr std::uint32_t kTurnSeedsPerCampaign = 1000;
constexpr int kConfederacyCapitulated = 2;
constexpr int kUnionCapitulated = 3;

const char* CampName(int camp) {
  return camp == TSide::Union ? "Union" : camp == TSide::Confederate ? "Confederacy" : "neither";
}

// Ahead on the ground, or on the field when the ground is even.
int CampAhead() {
  SideScores scores = TerritorialScores();
  if (scores.union_score == scores.confederate_score) scores = MilitaryScores();
  if (scores.union_score > scores.confederate_score) return TSide::Union;
  if (scores.confederate_score > scores.union_score) return TSide::Confederate;
  return TSide::None;
}

std::string Scores(const char* name, const SideScores& scores) {
  return std::string(name) + " " + std::to_string(scores.union_score) + " to " +
         std::to_string(scores.confederate_score);
}

}  // namespace

CampaignRun::CampaignRun()
    : previous_window_(InstallGameWindow(&window_)), previous_views_(InstallBattleViews(&views_)) {
  runner_.AfterPass = [this](const std::string& pass) {
    Note(pass, invariants_->CheckRecords());
    watch_->Look();
  };
  runner_.AfterPhase = [this](const std::string& phase) {
    Note(phase, invariants_->Check());
    watch_->Look();
    Note(phase, watch_->TakeWraps());
  };
}

CampaignRun::~CampaignRun() {
  InstallBattleViews(previous_views_);
  InstallGameWindow(previous_window_);
}

bool CampaignRun::Start(const std::string& start_file, std::uint32_t seed) {
  if (!StartComputerGame(start_file, seed, seed * kTurnSeedsPerCampaign)) return false;
  invariants_ = std::make_unique<TurnInvariants>("check");
  watch_ = std::make_unique<TurnWatch>(views_);
  turn_ = 0;
  findings_.clear();
  Note("as loaded", invariants_->CheckLoaded());
  return true;
}

TurnFigures CampaignRun::PlayTurn() {
  ++turn_;
  runner_.RunTurn();
  // What the window recorded is read by no one here; a campaign would pile it up.
  window_.ForgetRecords();
  return watch_->TakeTurn(turn_);
}

std::vector<TurnFigures> CampaignRun::PlayTurns(int most,
                                                const std::function<void(const TurnFigures&)>& after_each) {
  std::vector<TurnFigures> turns;
  while (!Over() && (most == 0 || static_cast<int>(turns.size()) < most)) {
    turns.push_back(PlayTurn());
    if (after_each) after_each(turns.back());
  }
  return turns;
}

bool CampaignRun::Over() const {
  return GameIsOver();
}

std::string CampaignRun::Outcome() const {
  std::string how = "the war goes on";
  if (GameOverCode == kConfederacyCapitulated) how = "the Confederacy capitulated";
  if (GameOverCode == kUnionCapitulated) how = "the Union capitulated";
  if (GameOverCode == 1) how = "the last turn was reached";
  const int winner = GameOverCode == kConfederacyCapitulated ? TSide::Union
                     : GameOverCode == kUnionCapitulated ? TSide::Confederate
                                                         : CampAhead();
  return std::string("winner ") + CampName(winner) + " on " + FormatGameDate() + " after " +
         std::to_string(turn_) + " turns: " + how + " (code " + std::to_string(GameOverCode) + "); " +
         Scores("territory", TerritorialScores()) + ", " + Scores("military", MilitaryScores());
}

void CampaignRun::Note(const std::string& phase, const std::vector<std::string>& broken) {
  for (const std::string& finding : broken) findings_.push_back(phase + ": " + finding);
}
