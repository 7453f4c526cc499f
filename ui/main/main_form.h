#pragma once
// The main window: the map view with its minimap, the bottom bar of buttons,
// gauges and panels, the menus, the movement timer and the screen-edge
// hotspots. It holds the map's pictures for the whole run.
#include <filesystem>
#include <memory>
#include <string>

#include "platform/controls/gauge.h"
#include "platform/controls/label.h"
#include "platform/controls/main_menu.h"
#include "platform/controls/paint_box.h"
#include "platform/controls/panel.h"
#include "platform/controls/speed_button.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "ui/main/bi_tools.h"
#include "ui/main/map_view.h"
#include "widgets/effect_label.h"

class TMapInput;
class TMainCommands;

class TGMRSDI : public TForm {
 public:
  // `game_folder` holds the files that ship beside the program; the
  // hotspots poll on `clock`.
  explicit TGMRSDI(std::filesystem::path game_folder, TTickClock& clock = RealTickClock());
  ~TGMRSDI() override;

  // Loads the texts, the pictures and the 1861 start behind the start
  // dialogs, and switches on the timer and the hotspots. Returns what keeps
  // the window from opening (a file beside the program missing or damaged),
  // or an empty text when it opened.
  std::string FormCreate();
  // Redraws the map view, the minimap and the bottom bar from the records.
  void FormPaint();

  TMapView& MapView() { return *map_view_; }
  TMapInput& MapInput() { return *map_input_; }
  TMainCommands& Commands() { return *commands_; }
  // The folder of the files that ship beside the program.
  const std::filesystem::path& GameFolder() const { return game_folder_; }

  TMainMenu* KVELDMenu;
  TPaintBox* BattleMap;
  TGauge* TurnProgressGauge;
  TPanel* Panel1;
  TSpeedButton* SpeedButton1;
  TSpeedButton* Speedbutton2;
  TSpeedButton* SpeedButton3;
  TSpeedButton* SpeedButton4;
  TSpeedButton* SpeedButton5;
  TGauge* Gauge1;
  TGauge* Gauge2;
  TGauge* Gauge3;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
  TKxLabel* LocationLabel;
  TPanel* IdPanel;
  TPanel* DatePanel;
  TPaintBox* StratMap;
  TTimer* Timer1;
  TSaveDialog* SaveDialog1;
  TOpenDialog* OpenDialog1;
  TBI_Hotspot* HotTop;
  TBI_Hotspot* HotBottom;
  TBI_Hotspot* HotLeft;
  TBI_Hotspot* HotRight;

 private:
  void BuildMenu();
  void BuildBottomBar();
  void BuildHotspots(TTickClock& clock);
  void FormClose();
  std::string LoadPictures();
  std::string LoadStartPosition();
  void ColourBottomBar();
  // Places a control given in the design's client coordinates, below the menu.
  template <class T>
  T* Put(TWinControl* parent, const std::string& name, int left, int top, int width, int height);

  std::filesystem::path game_folder_;
  TMapPictures pictures_;
  std::unique_ptr<TMapView> map_view_;
  std::unique_ptr<TMapInput> map_input_;
  std::unique_ptr<TMainCommands> commands_;
};
