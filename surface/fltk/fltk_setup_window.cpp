#include "surface/fltk/fltk_setup_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Window.H>

#include <cmath>

#include "surface/fltk/fltk_signals.h"

namespace quorex::fltk {
namespace {

constexpr int kFontSize = 12;

}  // namespace

double ScreenDpi() {
  float h = 0, v = 0;
  Fl::screen_dpi(h, v, 0);
  // Xvfb and some servers report nonsense; fall back to the usual 96.
  return h >= 48 && h <= 480 ? h : 96.0;
}

FltkSetupWindow::FltkSetupWindow(const DialogDescription& description, SetupWindowEvents& events)
    : events_(events), dpi_(ScreenDpi()) {
  Build(description);
}

FltkSetupWindow::~FltkSetupWindow() {
  Close();
  delete window_;
}

int FltkSetupWindow::ToPixels(double twips) const {
  return static_cast<int>(std::lround(twips * dpi_ / 1440.0));
}

// Widgets are created in tab order, which FLTK's Tab key follows; the option buttons share one
// group so that FLTK keeps one of them selected.
void FltkSetupWindow::Build(const DialogDescription& description) {
  captions_.reserve(description.controls.size() + 1);
  captions_.emplace_back(description.caption);
  window_ = new Fl_Window(ToPixels(description.clientWidth), ToPixels(description.clientHeight),
                          captions_.back().c_str());
  window_->callback([](Fl_Widget* w, void*) {
    // Esc is not a way to close this dialog; the window manager's close box is.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    w->hide();
  });

  std::vector<const ControlDescription*> byTab(description.controls.size());
  std::map<std::string_view, const ControlDescription*> frames;
  for (const auto& control : description.controls) {
    byTab.at(static_cast<size_t>(control.tabIndex)) = &control;
    if (control.kind == ControlKind::Frame) frames[control.name] = &control;
  }
  std::map<std::string_view, Fl_Group*> groups;
  options_.assign(6, nullptr);
  for (const ControlDescription* control : byTab) {
    int left = control->left, top = control->top;
    if (!control->parent.empty()) {
      left += frames.at(control->parent)->left;
      top += frames.at(control->parent)->top;
      groups.at(control->parent)->begin();
    } else {
      window_->begin();
    }
    const int x = ToPixels(left), y = ToPixels(top);
    const int w = ToPixels(control->width), h = ToPixels(control->height);
    captions_.emplace_back(control->caption);
    const char* caption = captions_.back().c_str();
    switch (control->kind) {
      case ControlKind::Frame: {
        auto* group = new Fl_Group(x, y, w, h, caption);
        group->box(FL_ENGRAVED_FRAME);
        group->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
        group->end();
        groups[control->name] = group;
        break;
      }
      case ControlKind::OptionButton: {
        auto* option = new Fl_Round_Button(x, y, w, h, caption);
        option->type(FL_RADIO_BUTTON);
        option->callback([](Fl_Widget* widget, void* self) {
          auto* dialog = static_cast<FltkSetupWindow*>(self);
          for (size_t i = 0; i < dialog->options_.size(); ++i) {
            if (dialog->options_[i] == widget) {
              dialog->events_.optAction_Click(static_cast<int16_t>(i));
            }
          }
        }, this);
        option->when(FL_WHEN_CHANGED);
        options_.at(static_cast<size_t>(control->index)) = option;
        break;
      }
      case ControlKind::Label: {
        auto* label = new Fl_Box(x, y, w, h, caption);
        label->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
        break;
      }
      case ControlKind::TextBox: {
        auto* input = new Fl_Input(x, y, w, h);
        input->value(caption);
        input->when(FL_WHEN_NEVER);  // typing runs nothing
        textBoxes_[std::string(control->name)] = input;
        break;
      }
      case ControlKind::CommandButton:
        ok_ = new Fl_Button(x, y, w, h, caption);
        ok_->callback([](Fl_Widget*, void* self) {
          static_cast<FltkSetupWindow*>(self)->events_.cmdOK_Click();
        }, this);
        break;
    }
    // A smaller type than FLTK's 14 points keeps the captions inside their twip-sized boxes.
    Fl_Widget* made = window_->child(window_->children() - 1);
    if (!control->parent.empty()) {
      Fl_Group* group = groups.at(control->parent);
      made = group->child(group->children() - 1);
    }
    made->labelsize(kFontSize);
    if (auto* input = dynamic_cast<Fl_Input*>(made)) input->textsize(kFontSize);
    if (!control->parent.empty()) groups.at(control->parent)->end();
  }
  window_->end();
  window_->size_range(window_->w(), window_->h(), window_->w(), window_->h());
}

double FltkSetupWindow::ScreenWidth() const { return ToTwips(Fl::w()); }
double FltkSetupWindow::ScreenHeight() const { return ToTwips(Fl::h()); }
double FltkSetupWindow::OuterWidth() const { return ToTwips(window_->decorated_w()); }
double FltkSetupWindow::OuterHeight() const { return ToTwips(window_->decorated_h()); }

void FltkSetupWindow::Move(int32_t left, int32_t top) {
  window_->position(ToPixels(left), ToPixels(top));
}

std::string FltkSetupWindow::Text(std::string_view textBox) const {
  const auto found = textBoxes_.find(textBox);
  if (found == textBoxes_.end()) return {};
  return std::string(found->second->value(), static_cast<size_t>(found->second->size()));
}

void FltkSetupWindow::SetText(std::string_view textBox, const std::string& text) {
  const auto found = textBoxes_.find(textBox);
  if (found != textBoxes_.end()) found->second->value(text.data(), static_cast<int>(text.size()));
}

void FltkSetupWindow::CheckOption(int16_t index) {
  for (size_t i = 0; i < options_.size(); ++i) options_[i]->value(static_cast<int>(i) == index);
}

void FltkSetupWindow::ShowModal() {
  window_->set_modal();
  window_->show();
  ok_->take_focus();
  while (window_->shown()) {
    Fl::wait(0.05);
    if (CloseSignalled()) Close();
  }
}

void FltkSetupWindow::Close() {
  if (window_ && window_->shown()) window_->hide();
}

}  // namespace quorex::fltk
