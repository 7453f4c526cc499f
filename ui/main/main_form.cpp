#include "ui/main/main_form.h"

#include <cstring>

#include "platform/components/cursor.h"
#include "platform/forms/screen.h"
#include "tools/sprites/sprite_layout.h"
#include "turn/movement_driver.h"
#include "ui/main/main_commands.h"
#include "ui/main/map_input.h"
#include "world/codes.h"
#include "world/file_io.h"
#include "world/game_date.h"
#include "world/game_window.h"
#include "world/menu_states.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/saved_game_check.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr const char* kTextFile = "GMR_ENG.TXT";
constexpr const char* kStartFile = "1861.gmr";
constexpr unsigned kMovementInterval = 100;
constexpr int kUseDesignCaption = -1;

struct MenuEntry {
  const char* name;
  int text;  // the line of the caption, or kUseDesignCaption
  const char* design;
};

struct Menu {
  MenuEntry title;
  std::vector<MenuEntry> items;
};

const std::vector<Menu>& MenuTree() {
  static const std::vector<Menu> menus{
      {{"Game1", 426, "Game"},
       {{"LoadGame1", 427, "Load Game"},
        {"SaveGame1", 428, "Save Game"},
        {"Execute1", 429, "Execute"},
        {"Playback1", 430, "Playback"},
        {"About1", 432, "About"},
        {"Quit1", 431, "Quit"}}},
      {{"Settings1", 468, "Settings"},
       {{"SideChange", 464, "Select side : Union"},
        {"Hidden1", 472, "Hidden Enemy"},
        {"Speed1", 474, "Time Delay"},
        {"HexOutline1", 475, "Hex Grid"},
        {"Encyclopedia1", 476, "Background"},
        {"VisibleFleetMoves1", kUseDesignCaption, "Visible Fleet Moves "}}},
      {{"National1", 433, "  National"},
       {{"Conditions1", 434, "General conditions"},
        {"ForceStatus1", 435, "General Force Status"},
        {"Production1", 436, "City Production"},
        {"Draft1", 437, "Manpower settings"},
        {"States1", 438, "State statistics"},
        {"Transfers1", 439, "Supply/Cotton Transfers"},
        {"Leadership1", 440, "Leader Orders"},
        {"CheckLeaders", kUseDesignCaption, "Check leaders"}}},
      {{"Overviews1", 469, " Overviews"},
       {{"ForceOverview1", 470, "Army Overview"}, {"FleetOverview1", 471, "Naval Overview"}}},
      {{"Troops1", 441, " Build Forces"},
       {{"ArmBrigades1", 442, "New Brigades"},
        {"RaiseArmy1", 443, "New Army"},
        {"RaiseCorps1", 444, "New Corps/Division"},
        {"RaiseFleet1", 445, "New Fleet"}}},
      {{"Misc1", 446, " Status"},
       {{"CorpsOrders1", 448, "Corps/Division Orders"},
        {"ArmyOrders1", 449, "Army Orders"},
        {"CityOrders1", 450, "City Orders"},
        {"FleetOrders1", 451, "Fleet Orders"}}},
  };
  return menus;
}

std::string MenuCaption(const MenuEntry& entry) {
  return entry.text == kUseDesignCaption ? entry.design : TextLine(entry.text);
}

TFont BarFont(int height) {
  TFont font;
  font.SetName("Times New Roman");
  font.SetHeight(height);
  font.SetStyle(fsBold);
  return font;
}

// The four bands along the edges of the map's part of the frame, 10 pixels deep.
struct HotspotBand {
  const char* name;
  TRect rect;
  THotSpotEdge edge;
};

constexpr int kBand = 10;

std::string Missing(const std::filesystem::path& file, const std::string& why) {
  return "Graymarch cannot start: " + file.string() + " " + why + ".";
}

}  // namespace

TGMRSDI::TGMRSDI(std::filesystem::path game_folder, TTickClock& clock)
    : game_folder_(std::move(game_folder)), map_view_(std::make_unique<TMapView>(pictures_)) {
  SetName("GMRSDI");
  SetCaption("The Graymarch");
  SetBorderStyle(TFormBorderStyle::bsNone);
  SetBounds(0, 0, TScreen::kWidth, TScreen::kHeight);
  SetColor(clSilver);
  SetKeyPreview(true);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);

  KVELDMenu = new TMainMenu(this);
  KVELDMenu->SetName("KVELDMenu");
  KVELDMenu->SetParent(this);
  BuildMenu();

  BattleMap = Put<TPaintBox>(this, "BattleMap", 0, 0, kViewWidth, kViewHeight);
  BattleMap->OnPaint = [this](TComponent*) { BattleMap->Canvas().Draw(0, 0, map_view_->View()); };
  TurnProgressGauge = Put<TGauge>(this, "TurnProgressGauge", 782, 0, 8, 505);
  TurnProgressGauge->SetKind(TGaugeKind::gkVerticalBar);
  TurnProgressGauge->SetForeColor(clNavy);
  TurnProgressGauge->SetBackColor(clGray);
  TurnProgressGauge->SetMaxValue(300);
  TurnProgressGauge->SetShowText(false);
  BuildBottomBar();
  StratMap = Put<TPaintBox>(this, "StratMap", 728, 508, 62, 44);
  StratMap->OnPaint = [this](TComponent*) { map_view_->PaintMinimap(StratMap->Canvas()); };

  // Its first tick opens the start dialogs once the turn animation is in.
  Timer1 = new TTimer(this);
  Timer1->SetName("Timer1");
  Timer1->SetEnabled(false);
  Timer1->SetInterval(kMovementInterval);
  SaveDialog1 = new TSaveDialog(this);
  SaveDialog1->SetName("SaveDialog1");
  SaveDialog1->Filter = "gmr|*.gmr";
  OpenDialog1 = new TOpenDialog(this);
  OpenDialog1->SetName("OpenDialog1");
  OpenDialog1->Filter = "gmr|*.gmr|gms|*.gms";
  // A player types a saved game's name as the list shows it, without ".GMR".
  OpenDialog1->DefaultExt = "gmr";
  BuildHotspots(clock);
  map_input_ = std::make_unique<TMapInput>(*this);
  commands_ = std::make_unique<TMainCommands>(*this);
  OnClose = [this](TComponent*, TCloseAction&) { FormClose(); };
}

TGMRSDI::~TGMRSDI() {
  FormClose();
}

template <class T>
T* TGMRSDI::Put(TWinControl* parent, const std::string& name, int left, int top, int width,
                int height) {
  auto* control = new T(this);
  control->SetName(name);
  control->SetParent(parent);
  const int below_menu = parent == this ? KVELDMenu->Height() : 0;
  control->SetBounds(left, top + below_menu, width, height);
  return control;
}

void TGMRSDI::BuildMenu() {
  for (const Menu& menu : MenuTree()) {
    TMenuItem* title = NewMenuItem(this, &KVELDMenu->Items(), menu.title.name, menu.title.design);
    for (const MenuEntry& item : menu.items) NewMenuItem(this, title, item.name, item.design);
  }
}

void TGMRSDI::BuildBottomBar() {
  Panel1 = Put<TPanel>(this, "Panel1", 0, 507, 407, 45);
  Panel1->SetColor(clSilver);
  struct Button {
    TSpeedButton** field;
    const char* name;
    const char* caption;
  };
  const Button buttons[] = {{&SpeedButton1, "SpeedButton1", "Execute"},
                            {&Speedbutton2, "Speedbutton2", "Playback"},
                            {&SpeedButton3, "SpeedButton3", "Hex Grid"},
                            {&SpeedButton4, "SpeedButton4", "Visible Fleets"},
                            {&SpeedButton5, "SpeedButton5", "Delay"}};
  int left = 3;
  for (const Button& button : buttons) {
    *button.field = Put<TSpeedButton>(Panel1, button.name, left, 3, 79, 20);
    (*button.field)->SetCaption(button.caption);
    (*button.field)->SetFont(BarFont(-12));
    left += 80;
  }
  struct Theatre {
    TLabel** label;
    const char* label_name;
    const char* caption;
    TGauge** gauge;
    const char* gauge_name;
  };
  const Theatre theatres[] = {{&Label2, "Label2", "Seaboard", &Gauge1, "Gauge1"},
                              {&Label1, "Label1", "West", &Gauge2, "Gauge2"},
                              {&Label3, "Label3", "Mississippi", &Gauge3, "Gauge3"}};
  left = 3;
  for (const Theatre& theatre : theatres) {
    *theatre.label = Put<TLabel>(Panel1, theatre.label_name, left, 27, 60, 13);
    (*theatre.label)->SetCaption(theatre.caption);
    *theatre.gauge = Put<TGauge>(Panel1, theatre.gauge_name, left + 62, 30, 60, 8);
    (*theatre.gauge)->SetForeColor(clRed);
    (*theatre.gauge)->SetShowText(false);
    left += 130;
  }
  LocationLabel = Put<TKxLabel>(Panel1, "LocationLabel", 370, 27, 34, 13);
  LocationLabel->SetCaption("22,22");
  IdPanel = Put<TPanel>(this, "IdPanel", 407, 507, 208, 45);
  IdPanel->SetBevelOuter(TPanelBevel::bvLowered);
  IdPanel->SetFont(BarFont(-12));
  DatePanel = Put<TPanel>(this, "DatePanel", 615, 507, 112, 45);
  DatePanel->SetBevelOuter(TPanelBevel::bvLowered);
  DatePanel->SetColor(clSilver);
  DatePanel->SetFont(BarFont(-13));
}

// The bands lie along the edges of the frame below the menu bar, so that
// pointing at a menu title never scrolls. A pointer on the frame's outermost
// column or row, or in a black bar beside the frame, scrolls as the band
// level with it does (the top band's bar lies above the menu bar); a pointer
// outside the window is in none.
void TGMRSDI::BuildHotspots(TTickClock& clock) {
  const int top = KVELDMenu->Height();
  const int right = TScreen::kWidth - 1;
  const int bottom = TScreen::kHeight - 1;
  const HotspotBand bands[] = {
      {"HotTop", {kBand, top, right - kBand, top + kBand}, heTop},
      {"HotBottom", {kBand, bottom - kBand, right - kBand, bottom}, heBottom},
      {"HotLeft", {0, top + kBand, kBand, bottom - kBand}, heLeft},
      {"HotRight", {right - kBand, top + kBand, right, bottom - kBand}, heRight}};
  TBI_Hotspot** fields[] = {&HotTop, &HotBottom, &HotLeft, &HotRight};
  for (int i = 0; i < 4; ++i) {
    auto* hotspot = new TBI_Hotspot(this, clock);
    hotspot->SetName(bands[i].name);
    hotspot->RectLeft = bands[i].rect.Left;
    hotspot->RectTop = bands[i].rect.Top;
    hotspot->RectRight = bands[i].rect.Right;
    hotspot->RectBottom = bands[i].rect.Bottom;
    hotspot->Edge = bands[i].edge;
    *fields[i] = hotspot;
  }
}

std::string TGMRSDI::FormCreate() {
  const std::filesystem::path text_file = game_folder_ / kTextFile;
  if (!LoadTextTable(text_file)) return Missing(text_file, "is missing or cannot be read");
  for (const Menu& menu : MenuTree()) {
    FindOwned<TMenuItem>(*this, menu.title.name)->SetCaption(MenuCaption(menu.title));
    for (const MenuEntry& item : menu.items) {
      FindOwned<TMenuItem>(*this, item.name)->SetCaption(MenuCaption(item));
    }
  }
  ViewLeft = 1;
  ViewTop = 1;
  HexGridVisible = false;

  Screen.SetCursor(crHourGlass);
  std::string problem = LoadPictures();
  if (problem.empty()) {
    // The 1861 position shows behind the start dialogs, over an empty map.
    std::memset(&MapRecord, 0, sizeof(MapRecord));
    problem = LoadStartPosition();
  }
  Screen.SetCursor(crDefault);
  if (!problem.empty()) return problem;
  FormPaint();

  Window().SetCommandEnabled(WindowCommand::LoadGame1, true);
  Window().SetCommandEnabled(WindowCommand::Quit1, true);
  OfferPlaybackOfReceivedTurn();
  Timer1->SetEnabled(true);
  SoundEnabled = false;
  GameState.Nations[TNation::Union].OrdersDone = 0;
  GameState.Nations[TNation::Confederacy].OrdersDone = 0;
  Randomize();
  FleetMovesVisible = true;
  // The menu's check mark says what is true from the start.
  FindOwned<TMenuItem>(*this, "VisibleFleetMoves1")->SetChecked(FleetMovesVisible);
  for (TBI_Hotspot* hotspot : {HotTop, HotBottom, HotLeft, HotRight}) hotspot->SetActive(true);
  return "";
}

std::string TGMRSDI::LoadPictures() {
  struct Picture {
    const char* file;
    TBitmap* bitmap;
    TSize size;
  };
  const Picture pictures[] = {
      {"NEWMAP.BMP", &pictures_.Map, {2128, 1512}},
      {SheetFileName(SpriteSheet::kCounters), &pictures_.Counters, SheetSize(SpriteSheet::kCounters)},
      {SheetFileName(SpriteSheet::kNumbers), &pictures_.Numbers, SheetSize(SpriteSheet::kNumbers)},
      {SheetFileName(SpriteSheet::kArrows), &pictures_.Arrows, SheetSize(SpriteSheet::kArrows)},
      {"GMRSMALL.BMP", &pictures_.Minimap, {76, 54}}};
  for (const Picture& picture : pictures) {
    const std::filesystem::path wanted = game_folder_ / picture.file;
    const auto file = FindFileIgnoringCase(wanted);
    if (!file) return Missing(wanted, "is missing");
    try {
      picture.bitmap->LoadFromFile(file->string());
    } catch (const EInvalidGraphic& error) {
      return Missing(*file, std::string("cannot be read: ") + error.what());
    }
    if (picture.bitmap->Width() != picture.size.cx || picture.bitmap->Height() != picture.size.cy) {
      return Missing(*file, "is not " + std::to_string(picture.size.cx) + " x " +
                                std::to_string(picture.size.cy) + " pixels");
    }
  }
  return "";
}

// Only the game record of the start file, read whole and checked like a saved game.
std::string TGMRSDI::LoadStartPosition() {
  const std::filesystem::path wanted = game_folder_ / kStartFile;
  const auto file = FindFileIgnoringCase(wanted);
  if (!file) return Missing(wanted, "is missing");
  const FileImage image = ReadFileImage(*file, kGameFileSize);
  if (!image.error.empty()) return Missing(*file, "cannot be read: " + image.error);
  TGameState game;
  std::memcpy(&game, image.bytes.data(), kGameFileSize);
  if (std::string problem = FindIndexOutOfRange(game); !problem.empty()) {
    return Missing(*file, "is damaged: " + problem);
  }
  GameState = game;
  // Nobody gives orders behind the start dialogs, so the whole position shows;
  // loading the chosen game sets who sees what.
  GameState.MessageView = 3;
  return "";
}

void TGMRSDI::FormPaint() {
  map_view_->Paint();
  BattleMap->Invalidate();
  StratMap->Invalidate();
  ColourBottomBar();
  DatePanel->SetCaption(FormatGameDate());
}

// The name panel wears the colours of the side in play.
void TGMRSDI::ColourBottomBar() {
  struct Colours {
    TColor panel, text;
  };
  static constexpr Colours kSides[] = {{clSilver, clBlack}, {clNavy, clSilver}, {clGray, clWhite}};
  const Colours colours = kSides[CurrentSide <= 2 ? CurrentSide : 0];
  IdPanel->SetColor(colours.panel);
  IdPanel->Font().SetColor(colours.text);
  SpeedButton4->Font().SetColor(FleetMovesVisible ? clRed : clBlack);
}

// Nothing may tick into a window that is going away.
void TGMRSDI::FormClose() {
  Timer1->SetEnabled(false);
  for (TBI_Hotspot* hotspot : {HotTop, HotBottom, HotLeft, HotRight}) hotspot->SetActive(false);
  BattleLog.clear();
}
