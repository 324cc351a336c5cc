#include "box_recorder.h"
#include <gtest/gtest.h>
#include "message_box.h"

namespace {

BoxRecorder* active_recorder;               // the recorder that answers, while one lives
MessageBoxRoutine routine_before_recorder;  // put back when it ends

driver::SeenBox seen_box(const wchar_t* text, const wchar_t* caption, UINT type) {
    return {driver::utf8(caption ? caption : L""), driver::utf8(text ? text : L""), driver::box_type_buttons(type)};
}

// Outside a recorder's life a box is a failure of the test, answered at once rather than
// shown, so that no test waits for a person who is not there.
int WINAPI unexpected_box(HWND, const wchar_t* text, const wchar_t* caption, UINT type) {
    driver::SeenBox box = seen_box(text, caption, type);
    ADD_FAILURE() << "unexpected message box " << box;
    return driver::answer_button_id(driver::default_answer(box.buttons));
}

struct NoUnexpectedBoxes : ::testing::Environment {
    void SetUp() override { message_box_routine = unexpected_box; }
};
::testing::Environment* const no_unexpected_boxes = ::testing::AddGlobalTestEnvironment(new NoUnexpectedBoxes);

int WINAPI record_box(HWND, const wchar_t* text, const wchar_t* caption, UINT type) {
    driver::SeenBox box = seen_box(text, caption, type);
    BoxRecorder* recorder = active_recorder;
    char answer = driver::scripted_answer(recorder->script.c_str(), recorder->boxes.size(), box.buttons);
    recorder->boxes.push_back(box);
    return driver::answer_button_id(answer);
}

}  // namespace

BoxRecorder::BoxRecorder() {
    active_recorder = this;
    routine_before_recorder = message_box_routine;
    message_box_routine = record_box;
}

BoxRecorder::~BoxRecorder() {
    message_box_routine = routine_before_recorder;
    active_recorder = nullptr;
}

std::vector<std::string> BoxRecorder::texts() const {
    std::vector<std::string> out;
    for (const driver::SeenBox& box : boxes) out.push_back(box.text);
    return out;
}
