// The groups of UI cases the driver can run, by the name given on its command line.
//
// A group is a function that runs its cases on a Suite; it starts the program itself, once
// for cases that only look, afresh for cases that change or end it. To add one, write its
// function in a file of its own and list it here.
#pragma once

#include <array>
#include <string_view>

#include "tests/ui/check.h"

namespace orvenal::ui_test {

void RunFrameGroup(Suite& suite);
void RunLinkGroup(Suite& suite);
void RunScheduleGroup(Suite& suite);
void RunNearMissGroup(Suite& suite);
// Ends the Wine session when the program is right: run it last, in a prefix of its own.
void RunPowerRequestGroup(Suite& suite);
void RunSoakGroup(Suite& suite);
void RunBadInputGroup(Suite& suite);

struct Group {
  std::string_view name;
  void (*run)(Suite& suite);
};

inline constexpr std::array kGroups{
    Group{"frame", RunFrameGroup},
    Group{"link", RunLinkGroup},
    Group{"schedule", RunScheduleGroup},
    Group{"near_miss", RunNearMissGroup},
    Group{"power_request", RunPowerRequestGroup},
    Group{"soak", RunSoakGroup},
    Group{"bad_input", RunBadInputGroup},
};

}  // namespace orvenal::ui_test
