#include "update/Shutdown.h"
#include "update/X11Windows.h"
#include "update/tests/ChildProcess.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>

using namespace stub;
using namespace stubtest;

namespace {

// The first line a child writes on the pipe; empty when it closes first.
std::string ReadLine(int fd) {
    std::string line;
    char c;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

// An Xvfb server of the test's own, on a display it picks itself.
class XvfbTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("TEST_WINDOW_APP"), nullptr);
        windowApp = std::getenv("TEST_WINDOW_APP");
        if (::access("/usr/bin/Xvfb", X_OK) != 0)
            GTEST_SKIP() << "Xvfb is not installed";
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ends[0]);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        server = std::make_unique<ChildProcess>(
            "/usr/bin/Xvfb",
            std::vector<std::string>{"-displayfd", std::to_string(ends[1]), "-nolisten", "tcp",
                                     "-screen", "0", "640x480x24"},
            environ, &actions);
        posix_spawn_file_actions_destroy(&actions);
        ::close(ends[1]);
        std::string number = ReadLine(ends[0]);
        ::close(ends[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb did not start";
        display = ":" + number;
    }

    std::unique_ptr<ChildProcess> server;
    std::string display;
    std::string windowApp;
};

TEST_F(XvfbTest, MainWindowOfAQtProgramIsPickedAndClosed) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    std::string displayVariable = "DISPLAY=" + display;
    std::vector<char*> environment{displayVariable.data(), const_cast<char*>("QT_QPA_PLATFORM=xcb"),
                                   const_cast<char*>("ASAN_OPTIONS=detect_leaks=0"), nullptr};
    ChildProcess app(windowApp, {}, environment.data(), &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    unsigned long long mainId = 0, dialogId = 0;
    std::string ids = ReadLine(ends[0]);
    ::close(ends[0]);
    ASSERT_EQ(std::sscanf(ids.c_str(), "%llu %llu", &mainId, &dialogId), 2) << ids;

    X11Windows windows(display);
    ASSERT_TRUE(windows.Connected());
    auto listed = windows.WindowsOf(app.Pid());
    EXPECT_NE(std::find(listed.begin(), listed.end(), WindowId(dialogId)), listed.end());
    EXPECT_EQ(windows.Owner(WindowId(dialogId)), WindowId(mainId));
    EXPECT_EQ(FindMainWindow(windowApp, display), WindowId(mainId));

    ASSERT_TRUE(CloseProcess(windowApp, display));
    int status = app.Reap();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7) << "ended by its close button, not by a signal";
}

// Windows that name each other as owner, made on the display directly.
TEST_F(XvfbTest, OwnerCycleEnds) {
    xcb_connection_t* xcb = xcb_connect(display.c_str(), nullptr);
    ASSERT_FALSE(xcb_connection_has_error(xcb));
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data;
    auto atom = [xcb](const char* name) {
        auto* reply = xcb_intern_atom_reply(
            xcb, xcb_intern_atom(xcb, 0, std::uint16_t(std::strlen(name)), name), nullptr);
        xcb_atom_t value = reply->atom;
        std::free(reply);
        return value;
    };
    xcb_atom_t wmPid = atom("_NET_WM_PID");
    std::uint32_t pid = std::uint32_t(::getpid());
    xcb_window_t a = xcb_generate_id(xcb), b = xcb_generate_id(xcb), c = xcb_generate_id(xcb);
    for (xcb_window_t window : {a, b, c}) {
        xcb_create_window(xcb, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 50, 50, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, window, wmPid, XCB_ATOM_CARDINAL, 32, 1,
                            &pid);
    }
    xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, a, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW,
                        32, 1, &b);
    xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, b, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW,
                        32, 1, &a);
    xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, c, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 5,
                        "Title");
    xcb_map_window(xcb, c);
    std::free(xcb_get_input_focus_reply(xcb, xcb_get_input_focus(xcb), nullptr));

    X11Windows windows(display);
    EXPECT_EQ(windows.WindowsOf(pid_t(pid)).size(), 3u);
    // a and b own each other: each scores 4, above c's caption and visibility (3).
    EXPECT_EQ(windows.MainWindowOf(pid_t(pid)), WindowId(a));
    xcb_disconnect(xcb);
}

} // namespace
