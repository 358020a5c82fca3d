// The identifiers by which the handlers and the frame name the window, its controls and their
// properties. The window description holds the same ids in its records.
#pragma once

#include <cstdint>

namespace orvenal {

using ControlId = std::uint32_t;

namespace ids {
inline constexpr ControlId kMainWindow = 0x52010001;
inline constexpr ControlId kLabel1 = 0x16010002;        // the clock
inline constexpr ControlId kTimer1 = 0x16010003;        // paces the clock
inline constexpr ControlId kLabel2 = 0x16010004;        // the status line
inline constexpr ControlId kEditBox1 = 0x16010005;      // the hour
inline constexpr ControlId kLabel3 = 0x16010006;        // "时"
inline constexpr ControlId kEditBox2 = 0x16010007;      // the minute
inline constexpr ControlId kLabel4 = 0x16010008;        // "分"
inline constexpr ControlId kButton1 = 0x16010009;       // arms the schedule
inline constexpr ControlId kTimer2 = 0x1601000C;        // paces the schedule
inline constexpr ControlId kLabel5 = 0x16010012;        // the title banner
inline constexpr ControlId kHyperLinker1 = 0x16010013;  // the author's page
}  // namespace ids

// Property numbers. 0 to 7 are common to every kind; from 8 on they are the kind's own.
namespace props {
inline constexpr int kLeft = 0;
inline constexpr int kTop = 1;
inline constexpr int kWidth = 2;
inline constexpr int kHeight = 3;
inline constexpr int kTag = 4;
inline constexpr int kVisible = 5;
inline constexpr int kDisabled = 6;
inline constexpr int kMousePointer = 7;
inline constexpr int kFirstKindSetting = 8;
inline constexpr int kLabelCaption = 8;
inline constexpr int kEditBoxContent = 8;
inline constexpr int kTimerPeriod = 8;
// Sub-index that addresses a property's whole value rather than one field of it.
inline constexpr int kWholeValue = -1;
}  // namespace props

}  // namespace orvenal
