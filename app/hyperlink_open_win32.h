// Placeholder until the link-opening logic lands.
#pragma once
#include "app/hyperlink_open.h"
namespace orvenal {
class Win32LinkOpenApi final : public LinkOpenApi {};
}  // namespace orvenal
