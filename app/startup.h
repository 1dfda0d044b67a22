// The start-up sequence run by the saver window's load event: act on the command-line switch.
#pragma once

#include <string>
#include <string_view>

namespace quorex {

class frmQuorex;
struct Platform;

// The first two characters of the argument text, upper-cased ("/s 5" gives "/S").
std::string SwitchOf(std::string_view argumentText);

void RunStartupSequence(frmQuorex& saver, Platform& platform);

}  // namespace quorex
