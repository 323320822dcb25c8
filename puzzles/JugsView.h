#pragma once
// What the jugs window shows: both gauges (maximum = capacity, value =
// contents), the contents labels, the capacity labels and the stage label.
#include <cstdint>
#include <string>
#include <string_view>

struct JugsView {
  int gaugeMax1 = 0;
  int gaugeMax2 = 0;
  std::uint8_t jug1 = 0;
  std::uint8_t jug2 = 0;
  std::string_view capacityLabel1;
  std::string_view capacityLabel2;
  std::string_view stageLabel;

  // Captions of the contents labels: the litre counts in decimal.
  std::string contentsLabel1() const { return std::to_string(jug1); }
  std::string contentsLabel2() const { return std::to_string(jug2); }

  friend bool operator==(const JugsView&, const JugsView&) = default;
};
