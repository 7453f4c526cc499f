#include "tools/sprites/form_backgrounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/sprites/palette.h"

namespace {

using enum Emblem;
using enum PaperTint;

// Report forms are 389 x 167; each has its own emblem or tint so no two look alike.
constexpr FormBackdrop kBackdrops[] = {
    {"TStndDial", {387, 168}, kStar, kSepia, Border::kThin},
    {"TBlockade_Run", {389, 167}, kAnchor, kSlate, Border::kThin},
    {"TBridging", {389, 167}, kRail, kOlive, Border::kThin},
    {"TCity_Fall", {389, 167}, kFort, kRust, Border::kThin},
    {"TDraft_Rioting", {389, 167}, kTorch, kRust, Border::kThin},
    {"TFleet_Embark", {389, 167}, kAnchor, kSepia, Border::kThin},
    {"TRail_Move", {389, 167}, kRail, kSepia, Border::kThin},
    {"TFort_Build", {389, 167}, kFort, kSepia, Border::kThin},
    {"TGovernor_Complaints", {389, 167}, kNewspaper, kSlate, Border::kThin},
    {"TInauguration", {389, 167}, kDome, kSepia, Border::kThin},
    {"TCombat_Roles", {389, 167}, kChain, kSepia, Border::kThin},
    {"TRebellion", {479, 206}, kTorch, kSepia, Border::kThin},
    {"TScuttled", {389, 167}, kAnchor, kRust, Border::kThin},
    {"TFleetSpls", {389, 167}, kAnchor, kOlive, Border::kThin},
    {"TState_Lost", {389, 167}, kFlag, kRust, Border::kThin},
    {"TTraining", {389, 167}, kTent, kOlive, Border::kThin},
    {"TArmyFormed", {389, 167}, kFlag, kSepia, Border::kThin},
    {"TCorpsFrm", {389, 167}, kFlag, kSlate, Border::kThin},
    {"TBrgdFormed", {389, 167}, kSabres, kSepia, Border::kThin},
    {"TForces_Added", {389, 167}, kSabres, kOlive, Border::kThin},
    {"TNewspapr", {389, 167}, kNewspaper, kSepia, Border::kThin},
    {"TForeign_Affairs", {389, 167}, kWreath, kSlate, Border::kThin},
    {"TSetUp", {523, 378}, kWreath, kSepia},
    {"TVictory", {421, 304}, kWreath, kOlive},
    {"TForceStatus", {628, 358}, kCannon, kSepia},
    {"TCondition", {402, 230}, kStar, kSlate},
    {"Treplay1", {560, 400}, kSabres, kSlate},
    {"TReplay2", {640, 400}, kSabres, kRust},
    {"TFleetOver", {433, 300}, kAnchor, kSlate},
    {"TForceOver", {521, 300}, kFlag, kOlive},
    {"TAboutBox", {298, 180}, kStar, kRust},
    {"TSelecDlg", {222, 247}, kStar, kOlive},
    {"TCorpsOrder", {640, 470}, kFlag, kSepia},
    {"TViewBrgd", {600, 330}, kSabres, kSepia},
    {"TNew_Wpn", {330, 260}, kCannon, kOlive},
    {"TArmyOrder", {600, 440}, kFlag, kRust},
    {"TLeaderStatus", {560, 400}, kStar, kSepia},
    {"TCityOrder", {430, 330}, kFort, kOlive},
    {"TRaiseBrgds", {427, 397}, kSabres, kRust},
    {"TRaiseCorps", {427, 274}, kFlag, kOlive},
    {"TRaiseFleet", {426, 328}, kAnchor, kRust},
    {"TRaiseArmy", {425, 271}, kTent, kSepia},
    {"TOrdDraft", {499, 249}, kTent, kRust},
    {"TCtyProdn", {539, 341}, kCannon, kRust},
    {"TTransfers", {480, 341}, kRail, kRust},
    {"TStatStat", {443, 294}, kDome, kSlate},
    {"Tquickrez", {420, 250}, kSabres, kSepia},
    {"TBtl_Intensity", {520, 330}, kFlag, kSepia},
    {"TResolv", {640, 400}, kCannon, kOlive},
    {"TBattleAnalysis", {640, 400}, kStar, kOlive},
    {"TLdr_Dead", {320, 260}, kStar, kRust},
    {"TFortAssault", {400, 290}, kFort, kRust},
    {"TFleetCbt", {440, 320}, kAnchor, kSlate},
};

constexpr TColor kPaper = RGB(236, 224, 192);

TColor TintColour(PaperTint tint) {
  constexpr TColor kTints[] = {RGB(112, 78, 44), RGB(64, 80, 116), RGB(88, 96, 48),
                               RGB(136, 58, 38)};
  return kTints[static_cast<int>(tint)];
}

TColor Shade(TColor colour, int amount) {
  const auto shade = [&](int c) { return std::clamp(c + amount, 0, 255); };
  return RGB(shade(GetRValue(colour)), shade(GetGValue(colour)), shade(GetBValue(colour)));
}

// Fibres and foxing: a fine grain, broad blotches and edges browned with age.
void AgedPaper(TBitmap& bitmap) {
  constexpr std::uint32_t kSeed = 1861;
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint32_t grain = (static_cast<std::uint32_t>(x) * 73856093u) ^
                            (static_cast<std::uint32_t>(y) * 19349663u) ^ (kSeed * 83492791u);
      grain = (grain ^ (grain >> 13)) * 1274126177u;
      const int fibre = static_cast<int>((grain >> 24) % 9) - 4;
      const double blotch = 5.0 * std::sin(x * 0.021) * std::sin(y * 0.033 + 0.7);
      const int edge = std::min({x, y, width - 1 - x, height - 1 - y});
      const int age = edge < 18 ? -(18 - edge) * 3 / 2 : 0;
      bitmap.SetPixel(x, y, Shade(kPaper, fibre + static_cast<int>(blotch) + age));
    }
  }
}

TRect Inset(TSize size, int by) {
  return {by, by, size.cx - by, size.cy - by};
}


// A double rule just outside the paper, and on the wide border a single rule
// further out.
void RuledBorder(TCanvas& canvas, const FormBackdrop& backdrop, TColor ink) {
  const int border = static_cast<int>(backdrop.border);
  canvas.Brush.Color = ink;
  if (backdrop.border == Border::kWide) canvas.FrameRect(Inset(backdrop.size, border - 5));
  canvas.FrameRect(Inset(backdrop.size, border - 2));
  canvas.FrameRect(Inset(backdrop.size, border - 1));
}

}  // namespace

// The emblem sits at the upper right, clear of the lines of text on the left
// and of the button at the lower right.
TRect EmblemBox(TSize size) {
  const int side = std::max(32, std::min(size.cy - 64, size.cx / 4));
  return TRect::Bounds(size.cx - 20 - side, 16, side, side);
}

std::span<const FormBackdrop> FormBackdrops() {
  return kBackdrops;
}

TBitmap DrawBackdrop(const FormBackdrop& backdrop) {
  TBitmap bitmap(backdrop.size.cx, backdrop.size.cy);
  AgedPaper(bitmap);
  const TColor tint = TintColour(backdrop.tint);
  RuledBorder(bitmap.Canvas(), backdrop, Blend(kPaper, tint, 0.7));
  DrawEmblem(bitmap.Canvas(), backdrop.emblem, EmblemBox(backdrop.size), Blend(kPaper, tint, 0.3),
             kPaper);
  return bitmap;
}

std::optional<TBitmap> FormBackground(std::string_view form) {
  if (const FormBackdrop* backdrop = BackdropOf(form)) return DrawBackdrop(*backdrop);
  return std::nullopt;
}

const FormBackdrop* BackdropOf(std::string_view form) {
  for (const FormBackdrop& backdrop : kBackdrops) {
    if (backdrop.form == form) return &backdrop;
  }
  return nullptr;
}

TRect Paper(const FormBackdrop& backdrop) {
  return Inset(backdrop.size, static_cast<int>(backdrop.border));
}
