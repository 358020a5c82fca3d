// The two operations through which handlers read and write control properties.
//
// The frame implements them over the live window; the handlers' tests implement them over a
// small fake. A Text handed out is the receiver's to keep; a Text given to WriteProperty is
// copied, and the caller keeps its own.
#pragma once

#include <cstdint>
#include <variant>

#include "app/control_ids.h"
#include "values/text.h"

namespace orvenal {

using PropertyValue = std::variant<std::int32_t, bool, double, Text>;

class PropertyAccess {
 public:
  virtual PropertyValue ReadProperty(ControlId window, ControlId control, int property,
                                     int sub_index) = 0;
  virtual void WriteProperty(ControlId window, ControlId control, int property, int sub_index,
                             const PropertyValue& value) = 0;

 protected:
  ~PropertyAccess() = default;
};

}  // namespace orvenal
