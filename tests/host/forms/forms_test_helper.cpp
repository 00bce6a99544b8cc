// A program the forms tests start. What it does is chosen by the
// environment variable FORMS_HELPER_MODE, which it inherits:
//   exit            ends with status 7;
//   end-while-loaded loads and shows a form whose close-request and unload
//                   handlers write marker files, then ends the process at
//                   once with status 5 (no marker may appear);
//   window          shows a form titled "Forms helper window" and runs the
//                   message loop until the form unloads, then ends with 3.
// FORMS_HELPER_DIR names the folder for marker files.
#include "form_win32.h"
#include "message_loop_win32.h"
#include "program_win32.h"
#include "text_win32.h"

#include <windows.h>

#include <string>

namespace {

std::wstring environment(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

void writeMarker(const wchar_t* name) {
    std::wstring path = environment(L"FORMS_HELPER_DIR") + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
}

class MarkingForm : public forms::Form {
  protected:
    void handleQueryUnload(bool&) override { writeMarker(L"query-unload"); }
    void handleUnload() override { writeMarker(L"unload"); }
};

} // namespace

int main() {
    std::wstring mode = environment(L"FORMS_HELPER_MODE");
    if (mode == L"exit") {
        return 7;
    }
    if (mode == L"end-while-loaded") {
        MarkingForm form;
        form.setCaption("Forms helper ending");
        form.show();
        forms::doEvents();
        forms::endProgram(5);
    }
    if (mode == L"window") {
        forms::Form form;
        form.setCaption("Forms helper window");
        form.setBorderStyle(forms::BorderStyle::FixedSingle);
        form.show();
        forms::runMessageLoop();
        return 3;
    }
    return 1;
}
