#include "tools/map/map_labels.h"

#include <array>

#include "tools/map/map_ornaments.h"
#include "tools/map/map_picture.h"

namespace {

constexpr TColor kInk = RGB(52, 36, 26);
constexpr TColor kStateInk = RGB(122, 84, 62);
constexpr TColor kSeaInk = RGB(70, 100, 112);
constexpr TColor kHalo = RGB(236, 226, 198);

// A city's name, smaller where the lines crowd round its mark.
constexpr Lettering kCityLetters[] = {
    {12, fsItalic, kInk, true}, {11, fsItalic, kInk, true}, {10, fsItalic, kInk, true}};
constexpr int kSmallerCityLetters[] = {0, 150, 400};
constexpr Lettering kSeaLetters{22, fsItalic, kSeaInk, false};
constexpr Lettering kScaleTitleLetters{13, fsItalic, kSeaInk, false};
constexpr Lettering kScaleLetters{11, 0, kSeaInk, false};
constexpr Lettering kNorthLetters{16, fsBold, kSeaInk, false};

// A state's name in spaced capitals, else smaller, else close set where the state is crowded.
struct StateForm {
  int Height;
  bool Spaced;
  int Penalty;
};
constexpr StateForm kStateForms[] = {{15, true, 0}, {13, true, 300}, {13, false, 600}};

// A state gets its name when it has at least this many hexes' worth of land on the map.
constexpr int kNamedStateHexes = 6;
constexpr int kHexPixels = 28 * 28;

// Names of the states the war was fought over, by state number.
constexpr std::array<const char*, 36> kStateNames = {"",
                                                     "",
                                                     "",
                                                     "",
                                                     "IOWA",
                                                     "WISCONSIN",
                                                     "ILLINOIS",
                                                     "MICHIGAN",
                                                     "INDIANA",
                                                     "OHIO",
                                                     "PENNSYLVANIA",
                                                     "NEW YORK",
                                                     "",
                                                     "",
                                                     "",
                                                     "MASS.",
                                                     "",
                                                     "CONN.",
                                                     "N.J.",
                                                     "MISSOURI",
                                                     "KENTUCKY",
                                                     "TENNESSEE",
                                                     "VIRGINIA",
                                                     "TEXAS",
                                                     "ARKANSAS",
                                                     "MISSISSIPPI",
                                                     "LOUISIANA",
                                                     "NORTH CAROLINA",
                                                     "SOUTH CAROLINA",
                                                     "GEORGIA",
                                                     "ALABAMA",
                                                     "FLORIDA",
                                                     "MARYLAND",
                                                     "",
                                                     "",
                                                     "WEST VA."};

std::string Spaced(const std::string& name) {
  std::string out;
  for (char c : name) {
    if (!out.empty()) out += ' ';
    out += c;
  }
  return out;
}

void UseFont(TCanvas& canvas, const Lettering& letters) {
  canvas.Font.SetName("Times New Roman");
  canvas.Font.SetHeight(-letters.Height);
  canvas.Font.SetStyle(letters.Style);
}

// The box of a text is the ink its letters leave, found by lettering it once on a scratch
// sheet, with a pixel of halo all round: the text cell's empty leading above and below the
// letters would keep names from places they fit.
class Measure {
 public:
  std::pair<LabelForm, LabelSetting> operator()(const std::string& text, const Lettering& letters,
                                                int penalty = 0) const {
    constexpr int kMargin = 4;
    TBitmap sheet(1, 1);
    UseFont(sheet.Canvas(), letters);
    const TSize cell = sheet.Canvas().TextExtent(text);
    sheet.SetSize(cell.cx + 2 * kMargin, cell.cy + 2 * kMargin);
    UseFont(sheet.Canvas(), letters);
    sheet.Canvas().Brush.Style = bsClear;
    sheet.Canvas().Font.SetColor(clBlack);
    sheet.Canvas().TextOut(kMargin, kMargin, text);
    const TRect ink = InkBounds(sheet, clWhite);
    const LabelForm form{ink.Width() + 2, ink.Height() + 2, penalty};
    return {form, {text, letters, {kMargin + 1 - ink.Left, kMargin + 1 - ink.Top}}};
  }
};

enum class Pin { TopLeft, TopCentre, BottomCentre };

// The labels and what the search needs of each: every form the search may choose, set.
struct Requests {
  std::vector<MapLabel> Labels;
  std::vector<std::vector<LabelSetting>> Settings;
  std::vector<LabelRequest> Search;

  void Add(const Measure& measure, MapLabel label, LabelRequest request,
           const std::vector<std::pair<std::string, Lettering>>& forms,
           const std::vector<int>& penalties = {0}) {
    Settings.emplace_back();
    for (std::size_t i = 0; i < forms.size(); ++i) {
      auto [form, setting] = measure(forms[i].first, forms[i].second, penalties[i]);
      request.Forms.push_back(form);
      Settings.back().push_back(std::move(setting));
    }
    Labels.push_back(std::move(label));
    Search.push_back(std::move(request));
  }
  // A text set where the picture's design wants it, by a corner or the middle of an edge.
  void AddFixed(const Measure& measure, const std::string& text, const Lettering& letters,
                PointF at, Pin pin) {
    const LabelForm form = measure(text, letters).first;
    PointF topLeft = at;
    if (pin != Pin::TopLeft) topLeft.X -= form.Width / 2.0f;
    if (pin == Pin::BottomCentre) topLeft.Y -= form.Height;
    Add(measure, {LabelKind::Fixed, 0, topLeft, {}, {}}, {LabelKind::Fixed, {}, topLeft, 0},
        {{text, letters}});
  }
};

void RequestSeasAndOrnaments(Requests& requests, const Measure& measure) {
  requests.AddFixed(measure, "A T L A N T I C   O C E A N", kSeaLetters, {1500, 1004},
                    Pin::TopLeft);
  requests.AddFixed(measure, "G U L F   O F   M E X I C O", kSeaLetters, {700, 1254}, Pin::TopLeft);
  const PointF scale = kScaleOrigin;
  requests.AddFixed(measure, "Scale of Miles", kScaleTitleLetters,
                    {scale.X + kPixelsPer100Miles / 2, scale.Y - 3}, Pin::BottomCentre);
  for (int miles = 0; miles <= 100; miles += 50) {
    requests.AddFixed(measure, std::to_string(miles), kScaleLetters,
                      {scale.X + kPixelsPer100Miles * miles / 100, scale.Y + 8}, Pin::TopCentre);
  }
  requests.AddFixed(measure, "N", kNorthLetters, {kCompassCentre.X, kCompassCentre.Y - 74},
                    Pin::BottomCentre);
}

void RequestCities(Requests& requests, const Measure& measure, const std::vector<MapCity>& cities) {
  for (const auto& city : cities) {
    const PointF mark{static_cast<float>(city.MarkX), static_cast<float>(city.MarkY)};
    std::vector<std::pair<std::string, Lettering>> forms;
    std::vector<int> penalties;
    for (const Lettering& letters : kCityLetters) {
      penalties.push_back(kSmallerCityLetters[forms.size()]);
      forms.push_back({city.Name, letters});
    }
    requests.Add(measure, {LabelKind::City, city.State, mark, {}, {}},
                 {LabelKind::City, {}, mark, city.State}, forms, penalties);
  }
}

void RequestStates(Requests& requests, const Measure& measure, const LabelGround& ground) {
  for (int state = 1; state < static_cast<int>(kStateNames.size()); ++state) {
    if (!*kStateNames[state] || ground.StatePixels(state) < kNamedStateHexes * kHexPixels) {
      continue;
    }
    std::vector<std::pair<std::string, Lettering>> forms;
    std::vector<int> penalties;
    for (const StateForm& form : kStateForms) {
      const std::string name = kStateNames[state];
      forms.push_back({form.Spaced ? Spaced(name) : name, {form.Height, 0, kStateInk, false}});
      penalties.push_back(form.Penalty);
    }
    requests.Add(measure, {LabelKind::State, state, {}, {}, {}}, {LabelKind::State, {}, {}, state},
                 forms, penalties);
  }
}

}  // namespace

std::vector<MapLabel> LayOutMapLabels(const MapArt& art) {
  const LabelGround ground(art, kMapPictureWidth, kMapPictureHeight);
  const Measure measure;
  Requests requests;
  RequestSeasAndOrnaments(requests, measure);
  RequestCities(requests, measure, art.Cities);
  RequestStates(requests, measure, ground);
  const std::vector<LabelPlace> places = PlaceLabels(ground, requests.Search);
  std::vector<MapLabel> labels;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (Area(places[i].Box) == 0) continue;
    MapLabel label = requests.Labels[i];
    label.Box = places[i].Box;
    label.Set = requests.Settings[i][places[i].Form];
    labels.push_back(std::move(label));
  }
  return labels;
}

void LetterMap(TBitmap& map, const std::vector<MapLabel>& labels) {
  TCanvas& canvas = map.Canvas();
  canvas.Brush.Style = bsClear;
  for (const MapLabel& label : labels) {
    const LabelSetting& set = label.Set;
    UseFont(canvas, set.Letters);
    const int x = label.Box.Left + set.Origin.X;
    const int y = label.Box.Top + set.Origin.Y;
    if (set.Letters.Halo) {
      canvas.Font.SetColor(kHalo);
      for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        canvas.TextOut(x + dx, y + dy, set.Text);
      }
    }
    canvas.Font.SetColor(set.Letters.Ink);
    canvas.TextOut(x, y, set.Text);
  }
}
