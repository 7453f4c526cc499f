// The four nation records of a start point. Figures the load or the first turn
// recomputes (counts, strengths, balances, demand) are left 0.
#include "tools/scenario/build_context.h"

namespace {

// The row of one field; its columns 1..4 hold the nations' values.
class NationFields {
 public:
  explicit NationFields(SourceTable table) : table_(std::move(table)) {}

  const SourceRow& Row(const std::string& field) const { return RowNamed(table_, field); }
  int Value(const std::string& field, int nation) const { return Row(field).Int(nation); }
  // A list such as the three theatres' supplies; exactly `count` values.
  std::vector<int> List(const std::string& field, int nation, std::size_t count) const {
    const SourceRow& row = Row(field);
    auto values = row.IntList(nation);
    if (values.size() != count) row.Fail("expected " + std::to_string(count) + " values");
    return values;
  }

 private:
  SourceTable table_;
};

template <typename T, int N>
void StoreList(Table<T, N>& target, const std::vector<int>& values) {
  for (int i = 1; i <= N; ++i) target[i] = static_cast<T>(values[i - 1]);
}

}  // namespace

void BuildNations(BuildContext& context) {
  const NationFields fields(context.Table("nations.txt", 5));
  for (int n = 1; n <= 4; ++n) {
    TNationRec& nation = context.Game.Nations[n];
    nation.Name = context.Sources.Nations.Rows[n - 1].Text(1);
    nation.Human = static_cast<std::uint8_t>(fields.Value("Human", n));
    nation.Side = static_cast<std::uint8_t>(fields.Value("Side", n));
    nation.LeadershipAdvantage = static_cast<std::uint8_t>(fields.Value("Leadership advantage", n));
    const SourceRow& capital = fields.Row("Capital");
    nation.Capital = static_cast<std::uint8_t>(context.Sources.City(capital.Text(n), capital));
    nation.PolicyStatus = static_cast<std::uint8_t>(fields.Value("Policy status", n));
    nation.RailCapacity = static_cast<std::uint8_t>(fields.Value("Rail capacity", n));
    nation.BuildPoints = static_cast<std::uint16_t>(fields.Value("Build points", n));
    nation.WarScore = static_cast<std::int16_t>(fields.Value("War score", n));
    nation.Attitude = static_cast<std::int16_t>(fields.Value("Attitude", n));
    StoreList(nation.ProductionShare, fields.List("Production share", n, 4));
    StoreList(nation.AiAggression, fields.List("Aggression", n, 3));
    StoreList(nation.AiTheatrePosture, fields.List("Theatre posture", n, 3));
    StoreList(nation.Supplies, fields.List("Supplies", n, 3));
    StoreList(nation.Cotton, fields.List("Cotton", n, 3));
    nation.DraftMonths = static_cast<std::int8_t>(fields.Value("Draft months", n));
    nation.Bounty = static_cast<std::uint16_t>(fields.Value("Bounty", n));
    StoreList(nation.WeaponStock, fields.List("Weapon stock", n, 8));
  }
}
