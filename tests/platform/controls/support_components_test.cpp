#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "control_form.h"
#include "platform/controls/button.h"
#include "platform/controls/image_list.h"
#include "platform/controls/registry.h"
#include "platform/forms/hint_window.h"
#include "platform/forms/screen.h"
#include "platform/input/key_codes.h"
#include "tests/platform/services/temp_folder.h"

namespace {

class HintWindowTest : public ControlTest {};

TEST_F(HintWindowTest, AHintShowsAboveTheFormLeavesItTheKeysAndHidesWhenPressed) {
  auto* button = Put<TButton>(10, 10, 75, 25);
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  button->SetFocus();
  THintWindow hint;
  TRect rect = hint.CalcHintRect(200, "Springfields");
  EXPECT_GT(rect.Width(), 6);
  EXPECT_LE(rect.Width(), 200 + 6);
  rect.Offset(10, 10);  // right over the button
  hint.ActivateHint(rect, "Springfields");
  EXPECT_TRUE(hint.Visible());
  EXPECT_EQ(Screen.ActiveForm(), &form);
  Application.ProcessMessages();
  EXPECT_EQ(Screen.Frame().Pixel(rect.Left + 1, rect.Top + 1), ColorToRGB(clInfoBk));
  backend().PressKey(VK_SPACE);
  EXPECT_EQ(clicks, 1);
  backend().Click({12, 12});
  EXPECT_FALSE(hint.Visible());
  EXPECT_EQ(clicks, 1);
}

TEST(ImageListTest, AStripIsCutIntoPicturesAndTheMaskColourStaysOut) {
  TImageList images(nullptr, 2, 1);
  TBitmap strip(6, 1);
  const TColor pixels[] = {clRed, clFuchsia, clBlue, clBlue, clFuchsia, clGreen};
  for (int x = 0; x < 6; ++x) strip.SetPixel(x, 0, pixels[x]);
  int changes = 0;
  TChangeLink link;
  link.OnChange = [&] { ++changes; };
  images.RegisterChanges(link);
  EXPECT_EQ(images.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 3);
  TBitmap target(2, 1);
  target.Canvas().Brush.Color = clWhite;
  target.Canvas().FillRect({0, 0, 2, 1});
  images.Draw(target.Canvas(), 0, 0, 2);
  EXPECT_EQ(target.Pixel(0, 0), clWhite);
  EXPECT_EQ(target.Pixel(1, 0), clGreen);
  images.Draw(target.Canvas(), 0, 0, 0, false);
  EXPECT_EQ(target.Pixel(0, 0), ColorToRGB(clBtnShadow));
  images.Delete(7);
  images.Delete(1);
  EXPECT_EQ(images.Count(), 2);
  EXPECT_EQ(changes, 2);
}

class RegistryTest : public ::testing::Test {
 protected:
  RegistryTest() {
    ClearRegistryStore();
    UseRegistryFile({});
  }
  ~RegistryTest() override {
    ClearRegistryStore();
    UseRegistryFile({});
  }
  TTempFolder folder;
};

TEST_F(RegistryTest, ValuesAndKeysAreKeptWhateverTheCaseOfTheirNames) {
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey("\\Software\\Graymarch", false));
  ASSERT_TRUE(registry.OpenKey("\\Software\\Graymarch\\Sounds", true));
  registry.WriteString("Click", "LAND.WAV");
  registry.WriteInteger("Volume", 7);
  registry.RenameValue("Click", "Press");
  EXPECT_EQ(registry.GetValueNames(), (std::vector<std::string>{"Press", "Volume"}));
  ASSERT_TRUE(registry.OpenKey("\\Software\\Graymarch\\Fonts", true));
  ASSERT_TRUE(registry.OpenKeyReadOnly("\\SOFTWARE\\graymarch\\sounds"));
  EXPECT_EQ(registry.ReadString("press"), "LAND.WAV");
  EXPECT_EQ(registry.ReadInteger("VOLUME"), 7);
  EXPECT_EQ(registry.ReadString("Missing"), "");
  EXPECT_THROW(registry.ReadInteger("Press"), ERegistryException);
  EXPECT_THROW(registry.ReadInteger("Missing"), ERegistryException);
  ASSERT_TRUE(registry.OpenKey("\\Software\\Graymarch", false));
  EXPECT_EQ(registry.GetKeyNames(), (std::vector<std::string>{"Fonts", "Sounds"}));
  EXPECT_TRUE(registry.DeleteKey("\\Software"));
  EXPECT_FALSE(registry.KeyExists("\\Software\\Graymarch\\Sounds"));
}

// The file keeps every kind of value for the next run, each write reaching it at
// once without lazy writing; a damaged binary value in it is the registry's own
// error and spoils no other value.
TEST_F(RegistryTest, AStoreBackedByAFileKeepsItsValuesForTheNextRun) {
  const auto file = folder.Path() / "config" / "registry.txt";
  ASSERT_TRUE(UseRegistryFile(file));
  {
    TRegistry registry;
    registry.LazyWrite = false;
    ASSERT_TRUE(registry.OpenKey("\\Software\\Graymarch", true));
    registry.WriteInteger("Count", -5);
    EXPECT_NE(folder.Read("config/registry.txt").find("i:Count=-5"), std::string::npos);
    registry.WriteString("Caption", "Line one\r\nback\\slash");
    registry.WriteBinaryData("Glyph", {0x00, 0xAB, 0xFF});
    registry.WriteBinaryData("Mask", {0x12});
  }
  std::string text = folder.Read("config/registry.txt");
  ClearRegistryStore();
  ASSERT_TRUE(UseRegistryFile(file));
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKeyReadOnly("\\Software\\Graymarch"));
    EXPECT_EQ(registry.ReadString("Caption"), "Line one\r\nback\\slash");
    EXPECT_EQ(registry.ReadInteger("Count"), -5);
    EXPECT_EQ(registry.ReadBinaryData("Glyph"), (std::vector<std::uint8_t>{0x00, 0xAB, 0xFF}));
  }
  const auto glyph = text.find("00ABFF");
  ASSERT_NE(glyph, std::string::npos);
  folder.Write("config/registry.txt", text.replace(glyph, 6, "0ZABF"));
  ClearRegistryStore();
  ASSERT_TRUE(UseRegistryFile(file));
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly("\\Software\\Graymarch"));
  EXPECT_THROW(registry.ReadBinaryData("Glyph"), ERegistryException);
  EXPECT_EQ(registry.ReadBinaryData("Mask"), (std::vector<std::uint8_t>{0x12}));
}

TEST_F(RegistryTest, TheDefaultFileLiesInTheUsersConfigurationFolder) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string before = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", "/tmp/somewhere", 1);
  EXPECT_EQ(DefaultRegistryFile(), std::filesystem::path("/tmp/somewhere/graymarch/registry.txt"));
  if (saved) {
    setenv("XDG_CONFIG_HOME", before.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
