// A stand-in for the frame that the handlers' tests drive: it holds the controls' property
// values, counts reads, and hands out Texts under the frame's rule (an empty box reads as a
// null text).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/property_access.h"
#include "values/local_clock.h"

namespace orvenal {

class FakeFrame final : public PropertyAccess {
 public:
  std::map<ControlId, std::string> texts;
  std::map<ControlId, std::int32_t> periods;
  std::map<ControlId, int> reads;
  std::vector<ControlId> writes;

  PropertyValue ReadProperty(ControlId window, ControlId control, int property,
                             int sub_index) override {
    EXPECT_EQ(window, ids::kMainWindow);
    EXPECT_EQ(property, props::kFirstKindSetting);
    EXPECT_EQ(sub_index, props::kWholeValue);
    ++reads[control];
    if (periods.contains(control)) {
      return periods[control];
    }
    return Text::CopyOrNull(texts[control]);
  }

  void WriteProperty(ControlId window, ControlId control, int property, int sub_index,
                     const PropertyValue& value) override {
    EXPECT_EQ(window, ids::kMainWindow);
    EXPECT_EQ(property, props::kFirstKindSetting);
    EXPECT_EQ(sub_index, props::kWholeValue);
    writes.push_back(control);
    if (const auto* text = std::get_if<Text>(&value)) {
      texts[control] = std::string(text->View());
    } else {
      periods[control] = std::get<std::int32_t>(value);
    }
  }
};

// A clock that gives its readings in turn, repeating the last one.
class ScriptedClock final : public LocalClock {
 public:
  explicit ScriptedClock(std::vector<LocalTimeReading> readings) : readings_(std::move(readings)) {}

  LocalTimeReading Read() const override {
    const std::size_t index = std::min(reads_, readings_.size() - 1);
    ++reads_;
    return readings_[index];
  }
  std::size_t Reads() const { return reads_; }

 private:
  std::vector<LocalTimeReading> readings_;
  mutable std::size_t reads_ = 0;
};

}  // namespace orvenal
