#include "surface/fltk/fltk_message_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "surface/fltk/fltk_signals.h"

namespace quorex::fltk {

void ShowMessageBox(const std::string& text, bool exclamation, const std::string& caption) {
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  int textW = 0, textH = 0;
  fl_measure(text.c_str(), textW, textH, 0);
  const int iconW = exclamation ? 50 : 0;
  const int w = std::max(iconW + textW + 40, 200), h = textH + 80;

  Fl_Window window(w, h, caption.c_str());
  if (exclamation) {
    auto* icon = new Fl_Box(10, 10, 40, 40, "!");
    icon->box(FL_THIN_UP_BOX);
    icon->labelfont(FL_TIMES_BOLD);
    icon->labelsize(34);
    icon->color(FL_YELLOW);
    icon->labelcolor(FL_BLACK);
  }
  auto* message = new Fl_Box(iconW + 20, 10, textW, textH + 20, nullptr);
  message->copy_label(text.c_str());
  message->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  auto* ok = new Fl_Button((w - 80) / 2, h - 40, 80, 28, "OK");
  ok->callback([](Fl_Widget* button, void*) { button->window()->hide(); });
  window.end();
  window.set_modal();
  window.hotspot(ok);
  window.show();
  ok->take_focus();
  while (window.shown()) {
    Fl::wait(0.05);
    if (CloseSignalled()) window.hide();
  }
}

}  // namespace quorex::fltk
