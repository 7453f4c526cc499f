#include "world/city_names.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/vardecl.h"

namespace {

class CityNamesTest : public WorldTest {};

// A city whose name already tells its state is named once; any other gets its
// state's short name, and none when its state is unknown.
TEST_F(CityNamesTest, TheStateIsWrittenOnce) {
  GameState.States[33].ShortName = "DEL";
  const struct {
    const char* name;
    int state;
    const char* shown;
  } cases[] = {{"Wilmington, Del.", 33, "Wilmington, Del."},
               {"Columbus, Ohio", 33, "Columbus, Ohio"},
               {"Dover", 33, "Dover,DEL"},
               {"Dover", 0, "Dover"}};
  for (const auto& c : cases) {
    TCity city{};
    city.Name = c.name;
    city.State = static_cast<decltype(city.State)>(c.state);
    EXPECT_EQ(CityWithShortState(city, ","), c.shown) << c.name;
  }
}

}  // namespace
