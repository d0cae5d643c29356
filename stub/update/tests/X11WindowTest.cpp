#include "update/Shutdown.h"
#include "update/X11Windows.h"
#include "update/tests/ChildProcess.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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

TEST_F(XvfbTest, ProcessWithoutWindowsIsNotPosted) {
    std::string folder = (std::filesystem::temp_directory_path() / "stubx11-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    std::string product = folder + "/Windowless";
    std::filesystem::copy_file("/bin/sleep", product);
    {
        ChildProcess child(product, {"600"});
        EXPECT_EQ(FindMainWindow(product, display), std::nullopt);
        EXPECT_FALSE(CloseProcess(product, display));
        EXPECT_EQ(::waitpid(child.Pid(), nullptr, WNOHANG), 0) << "still running";
    }
    std::filesystem::remove_all(folder);
}

// Windows made on the display directly, as a program (or a window manager) would make them.
class RawWindows {
public:
    explicit RawWindows(const std::string& display)
        : xcb_(xcb_connect(display.c_str(), nullptr)) {
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(xcb_)).data;
    }
    ~RawWindows() { xcb_disconnect(xcb_); }

    xcb_window_t Root() const { return screen_->root; }

    xcb_window_t Make(xcb_window_t parent, std::uint32_t pid, const char* title = nullptr) {
        xcb_window_t window = xcb_generate_id(xcb_);
        xcb_create_window(xcb_, XCB_COPY_FROM_PARENT, window, parent, 0, 0, 50, 50, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, 0, nullptr);
        if (pid != 0)
            Set(window, "_NET_WM_PID", XCB_ATOM_CARDINAL, {pid});
        if (title)
            xcb_change_property(xcb_, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                                XCB_ATOM_STRING, 8, std::uint32_t(std::strlen(title)), title);
        return window;
    }

    void Set(xcb_window_t window, const char* property, xcb_atom_t type,
             std::vector<std::uint32_t> values) {
        xcb_change_property(xcb_, XCB_PROP_MODE_REPLACE, window, Atom(property), type, 32,
                            std::uint32_t(values.size()), values.data());
    }

    void Map(xcb_window_t window) { xcb_map_window(xcb_, window); }

    // Everything asked so far has reached the server.
    void Sync() { std::free(xcb_get_input_focus_reply(xcb_, xcb_get_input_focus(xcb_), nullptr)); }

private:
    xcb_atom_t Atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            xcb_, xcb_intern_atom(xcb_, 0, std::uint16_t(std::strlen(name)), name), nullptr);
        xcb_atom_t atom = reply->atom;
        std::free(reply);
        return atom;
    }

    xcb_connection_t* xcb_;
    xcb_screen_t* screen_;
};

TEST_F(XvfbTest, OwnerCycleEnds) {
    RawWindows raw(display);
    std::uint32_t pid = std::uint32_t(::getpid());
    xcb_window_t a = raw.Make(raw.Root(), pid), b = raw.Make(raw.Root(), pid);
    xcb_window_t c = raw.Make(raw.Root(), pid, "Title");
    raw.Set(a, "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW, {b});
    raw.Set(b, "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW, {a});
    raw.Map(c);
    raw.Sync();

    X11Windows windows(display);
    EXPECT_EQ(windows.WindowsOf(pid_t(pid)), (std::vector<WindowId>{a, b, c}));
    // a and b own each other: each scores 4, above c's caption and visibility (3).
    EXPECT_EQ(windows.MainWindowOf(pid_t(pid)), WindowId(a));
}

TEST_F(XvfbTest, ClientWindowsAsAWindowManagerListsThem) {
    RawWindows raw(display);
    std::uint32_t pid = std::uint32_t(::getpid());
    // A reparenting manager's frame with the client inside, and a window it does not manage.
    xcb_window_t frame = raw.Make(raw.Root(), 0);
    xcb_window_t client = raw.Make(frame, pid, "Product");
    raw.Set(client, "WM_STATE", XCB_ATOM_CARDINAL, {1, 0});
    xcb_window_t unmanaged = raw.Make(raw.Root(), pid, "Popup");
    raw.Sync();
    X11Windows windows(display);
    EXPECT_EQ(windows.WindowsOf(pid_t(pid)), std::vector<WindowId>{client});

    // A manager's client list is taken as it is.
    raw.Set(raw.Root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW, {unmanaged});
    raw.Sync();
    EXPECT_EQ(windows.WindowsOf(pid_t(pid)), std::vector<WindowId>{unmanaged});
}

} // namespace
