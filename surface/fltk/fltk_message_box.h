// A modal message box: a text, an optional exclamation mark, one OK button, a caption.
#pragma once

#include <string>

namespace quorex::fltk {

void ShowMessageBox(const std::string& text, bool exclamation, const std::string& caption);

}  // namespace quorex::fltk
