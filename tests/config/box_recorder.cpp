#include "box_recorder.h"
#include "message_box.h"

namespace {

BoxRecorder *active_recorder;   // the recorder that answers, while one lives

int WINAPI record_box(HWND, const wchar_t *text, const wchar_t *caption, UINT type) {
  driver::SeenBox box = {driver::utf8(caption ? caption : L""), driver::utf8(text ? text : L""),
                         driver::box_type_buttons(type)};
  BoxRecorder *recorder = active_recorder;
  char answer = driver::scripted_answer(recorder->script.c_str(), recorder->boxes.size(), box.buttons);
  recorder->boxes.push_back(box);
  return driver::answer_button_id(answer);
}

}  // namespace

BoxRecorder::BoxRecorder() {
  active_recorder = this;
  message_box_routine = record_box;
}

BoxRecorder::~BoxRecorder() {
  message_box_routine = MessageBoxW;
  active_recorder = nullptr;
}

std::vector<std::string> BoxRecorder::texts() const {
  std::vector<std::string> out;
  for (const driver::SeenBox &box : boxes) out.push_back(box.text);
  return out;
}
