// Who the program is: its title, file name and version data.
#pragma once

namespace quorex::identity {

inline constexpr char kTitle[] = "SCRNSAVE:Quorex";  // also the caption of untitled message boxes
inline constexpr char kExecutable[] = "quorex.scr";
inline constexpr char kInternalName[] = "quorex";
inline constexpr char kVersionText[] = "1.00";
inline constexpr int kVersion[4] = {1, 0, 0, 0};
inline constexpr char kCompanyName[] = "Quorex developers";

}  // namespace quorex::identity
