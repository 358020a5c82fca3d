// Placeholder until the link-opening logic lands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvenal {

class LinkOpenApi {
 protected:
  ~LinkOpenApi() = default;
};

inline std::string LinkTarget(std::int32_t link_kind, std::string_view email,
                              std::string_view web_address) {
  return link_kind == 0 ? (email.empty() ? std::string() : "mailto:" + std::string(email))
                        : std::string(web_address);
}

inline bool OpenLinkTarget(LinkOpenApi&, const std::string&, int) {
  return false;
}

}  // namespace orvenal
