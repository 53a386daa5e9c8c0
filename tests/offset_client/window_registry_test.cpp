// Finding windows and sending them messages. The same cases run against the platform's window
// registry natively and against real windows on Windows, so the two must agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/windows_api.h"

namespace {

LRESULT CALLBACK answer_with_message_number(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
  if (message >= 0x0400 && message < 0x8000) return static_cast<LRESULT>(message + wparam);
  return DefWindowProcA(window, message, wparam, lparam);
}

// One top-level window of a test class, gone with the object.
class TestWindow {
 public:
  TestWindow(const char* class_name, const char* title) {
#if defined(_WIN32)
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = answer_with_message_number;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = class_name;
    RegisterClassA(&window_class);  // fails harmlessly when the class exists
    handle_ = CreateWindowExA(0, class_name, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
#else
    handle_ = platform::register_window(class_name, title, answer_with_message_number);
#endif
  }
  ~TestWindow() {
#if defined(_WIN32)
    DestroyWindow(handle_);
#else
    platform::unregister_window(handle_);
#endif
  }
  HWND handle() const {
    return handle_;
  }

 private:
  HWND handle_ = nullptr;
};

TEST(Windows, FindByClassAndTitleIgnoringCase) {
  auto first = std::make_unique<TestWindow>("KorvanTestA", "First Title");
  TestWindow second("KorvanTestA", "Second Title");
  TestWindow other("KorvanTestB", "First Title");
  ASSERT_NE(first->handle(), nullptr);

  EXPECT_EQ(FindWindowA("korvantesta", "SECOND title"), second.handle());
  EXPECT_EQ(FindWindowA("KorvanTestB", nullptr), other.handle());
  EXPECT_EQ(FindWindowA(nullptr, "Second Title"), second.handle());
  EXPECT_EQ(FindWindowA("KorvanTestA", "Third Title"), nullptr);
  EXPECT_EQ(FindWindowA("KorvanTestC", nullptr), nullptr);

  // Stepping through every window of a class with child_after finds each exactly once.
  std::vector<HWND> found;
  for (HWND w = FindWindowExA(nullptr, nullptr, "KorvanTestA", nullptr); w != nullptr;
       w = FindWindowExA(nullptr, w, "KorvanTestA", nullptr)) {
    found.push_back(w);
    ASSERT_LE(found.size(), 2u);
  }
  EXPECT_EQ(found.size(), 2u);
  EXPECT_EQ(std::count(found.begin(), found.end(), first->handle()), 1);
  EXPECT_EQ(std::count(found.begin(), found.end(), second.handle()), 1);

  first.reset();
  EXPECT_EQ(FindWindowA("KorvanTestA", "First Title"), nullptr);
}

TEST(Windows, SendMessageReturnsTheProcedureAnswer) {
  TestWindow window("KorvanTestA", "Answering");
  ASSERT_NE(window.handle(), nullptr);
  EXPECT_EQ(SendMessageA(window.handle(), 0x0482, 10, 0), 0x0482 + 10);
  HWND gone = nullptr;
  {
    TestWindow closed("KorvanTestA", "Closed");
    gone = closed.handle();
  }
  EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(SendMessageA(gone, 0x0482, 10, 0), 0);
}

TEST(Windows, UserDataStaysWithItsWindow) {
  TestWindow window("KorvanTestA", "Data");
  ASSERT_NE(window.handle(), nullptr);
  EXPECT_EQ(GetWindowLongPtrA(window.handle(), GWLP_USERDATA), 0);
  EXPECT_EQ(SetWindowLongPtrA(window.handle(), GWLP_USERDATA, 1234), 0);
  EXPECT_EQ(SetWindowLongPtrA(window.handle(), GWLP_USERDATA, 42), 1234);
  EXPECT_EQ(GetWindowLongPtrA(window.handle(), GWLP_USERDATA), 42);
}

}  // namespace
