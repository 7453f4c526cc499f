#include "world/notice_forms.h"

#include <algorithm>

namespace {

constexpr NoticeAnswer kLines = NoticeAnswer::kNone;
constexpr NoticeAnswer kOptions = NoticeAnswer::kOptions;
constexpr NoticeOk k66 = NoticeOk::kTextLine66;
constexpr NoticeOk kDesign = NoticeOk::kDesign;

// kind, form, caption, OK, answer, transparent lines, hourglass after closing
constexpr NoticeForm kForms[] = {
    {0, "TStndDial", 0, kDesign, kOptions, true, false},
    {1, "TBlockade_Run", 480, k66, kOptions, false, true},
    {2, "TBridging", 584, k66, NoticeAnswer::kOneOption, false, true},
    {3, "TCity_Fall", 531, k66, kOptions, false, true},
    {4, "TDraft_Rioting", 43, k66, kLines, true, false},
    {5, "TFleet_Embark", 595, kDesign, kLines, false, true},
    {6, "TRail_Move", 656, k66, kLines, false, true},
    {7, "TFort_Build", 600, kDesign, kLines, true, true},
    {8, "TGovernor_Complaints", 605, kDesign, kLines, true, true},
    {9, "TFleet_Embark", 729, kDesign, kLines, false, true},
    {10, "TInauguration", 606, kDesign, kLines, true, false},
    {11, "TCombat_Roles", 351, k66, kOptions, false, false},
    {14, "TRebellion", 42, k66, kOptions, false, true},
    {15, "TScuttled", 44, k66, kLines, true, false},
    {17, "TFleetSpls", 592, kDesign, kOptions, false, true},
    {18, "TState_Lost", 45, k66, kLines, false, false},
    {19, "TTraining", 238, k66, kLines, false, true},
    {20, "TArmyFormed", 481, k66, kLines, false, true},
    {21, "TCorpsFrm", 578, k66, kLines, false, true},
    {22, "TBrgdFormed", 482, k66, kOptions, false, true},
    {23, "TForces_Added", 599, kDesign, kOptions, true, true},
    {24, "TNewspapr", 604, kDesign, kLines, false, false},
    {25, "TForeign_Affairs", 603, NoticeOk::kNone, NoticeAnswer::kButtons, false, true},
};

constexpr int kDraftRiotingKind = 4;

}  // namespace

const NoticeForm* NoticeFormOf(int kind) {
  const auto* found = std::find_if(std::begin(kForms), std::end(kForms),
                                   [kind](const NoticeForm& form) { return form.kind == kind; });
  return found == std::end(kForms) ? nullptr : found;
}

const NoticeForm& DraftRiotingForm() {
  return *NoticeFormOf(kDraftRiotingKind);
}
