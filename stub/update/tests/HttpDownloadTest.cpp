#include "update/HttpDownload.h"
#include "update/tests/ChildProcess.h"
#include "update/tests/TestHttpServer.h"

#include "testsupport/CraftedPackage.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>

using namespace stub;
using namespace stubtest;
namespace fs = std::filesystem;

namespace {

const std::string kModified = "Wed, 21 Oct 2015 07:28:00 GMT";
// 2015-10-21 07:28:00 as a DOS date-time.
constexpr std::int64_t kStamp =
    (std::int64_t(35) << 25) | (10 << 21) | (21 << 16) | (7 << 11) | (28 << 5);

std::string Bytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

class HttpDownloadTest : public ::testing::Test {
protected:
    HttpDownloadTest() {
        hooks.wait = [](int) {
        };
        hooks.log = [this](const std::string& line) {
            log.push_back(line);
        };
        hooks.onProgress = [this](int kind, std::int64_t, std::int64_t high, bool&, int,
                                  std::int64_t position) {
            if (kind == SetUpBars)
                setUps.push_back(high);
            lastPosition = position;
        };
    }

    Resource File(const std::string& body) {
        Resource resource;
        resource.body = body;
        resource.lastModified = kModified;
        return resource;
    }

    bool Download(const std::string& path) {
        error.clear();
        return HttpDownloadFile(server.Url(path), dest, error, hooks);
    }

    std::string Partial(std::size_t size) const {
        return dest + "." + std::to_string(std::int64_t(size) + kStamp);
    }

    std::vector<std::string> FilesBeside() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::vector<RecordedRequest> Gets() const {
        std::vector<RecordedRequest> gets;
        for (const auto& request : server.Requests())
            if (request.method == "GET")
                gets.push_back(request);
        return gets;
    }

    TestHttpServer server;
    ScratchFolder dir;
    std::string dest = dir / "setup.bin";
    DownloadHooks hooks;
    std::string error;
    std::vector<std::string> log;
    std::vector<std::int64_t> setUps;
    std::int64_t lastPosition = -1;
};

TEST_F(HttpDownloadTest, WholeFileArrivesUnderTheDestinationName) {
    std::string body = Bytes(300000);
    server.Set("/setup.bin", File(body));
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(ReadFile(dest), body);
    EXPECT_EQ(FilesBeside(), std::vector<std::string>{"setup.bin"});
    EXPECT_EQ(log.front(),
              "HTTP_DownloadFile_Incremental FileSize=300000  " + server.Url("/setup.bin"));
    ASSERT_EQ(setUps.size(), 1u);
    EXPECT_EQ(setUps[0], 30); // round(300000 / 10240) + 1
    EXPECT_EQ(lastPosition, 29);
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].method, "HEAD");
    EXPECT_EQ(requests[0].userAgent, "HTTP_Connect_2");
    EXPECT_EQ(requests[1].userAgent, "HTTP_Connect_3");
    EXPECT_EQ(requests[1].range, "");
}

TEST_F(HttpDownloadTest, FileNameWithABlankIsFetched) {
    server.Set("/setup%204.bin", File("four"));
    EXPECT_EQ(HttpGetFileSize(server.Url("/setup 4.bin"), hooks.log), 4);
    ASSERT_TRUE(Download("/setup 4.bin")) << error;
    EXPECT_EQ(ReadFile(dest), "four");
}

TEST_F(HttpDownloadTest, FiveByteFileHasOneByteChunks) {
    server.Set("/tiny", File("12345"));
    ASSERT_TRUE(Download("/tiny")) << error;
    EXPECT_EQ(ReadFile(dest), "12345");
    EXPECT_EQ(setUps, std::vector<std::int64_t>{6});
    EXPECT_EQ(lastPosition, 5);
}

TEST_F(HttpDownloadTest, DroppedDownloadFailsThenResumesWithOnlyTheMissingBytes) {
    std::string body = Bytes(200000);
    WriteFile(dest, "older setup");
    Resource dropping = File(body);
    dropping.dropAfter = 70000;
    server.Set("/setup.bin", dropping);

    EXPECT_FALSE(Download("/setup.bin"));
    EXPECT_EQ(error, "Download incomplete: 70000/200000 Bytes<P>URL: " + server.Url("/setup.bin"));
    EXPECT_EQ(log.back(), std::to_string(getpid()) + " HTTP_DownloadFile_Incremental: " + error);
    EXPECT_EQ(ReadFile(dest), "older setup");
    EXPECT_EQ(ReadFile(Partial(body.size())), body.substr(0, 70000));

    server.Set("/setup.bin", File(body));
    server.ClearRequests();
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), body);
    EXPECT_EQ(FilesBeside(), std::vector<std::string>{"setup.bin"});
    auto gets = Gets();
    ASSERT_EQ(gets.size(), 2u);
    EXPECT_EQ(gets[1].range, "bytes=70000-");
    EXPECT_EQ(gets[1].ifRange, kModified);
}

TEST_F(HttpDownloadTest, ChangedFileDiscardsThePartialOne) {
    std::string old = Bytes(50000);
    Resource dropping = File(old);
    dropping.dropAfter = 20000;
    server.Set("/setup.bin", dropping);
    EXPECT_FALSE(Download("/setup.bin"));
    ASSERT_TRUE(fs::exists(Partial(old.size())));

    std::string fresh(60000, 'n');
    Resource changed = File(fresh);
    changed.lastModified = "Thu, 22 Oct 2015 07:28:00 GMT";
    server.Set("/setup.bin", changed);
    server.ClearRequests();
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), fresh);
    EXPECT_EQ(FilesBeside(), std::vector<std::string>{"setup.bin"});
    for (const auto& get : Gets())
        EXPECT_EQ(get.range, "");
}

TEST_F(HttpDownloadTest, NewFileWhosePartialNameCollidesStartsOver) {
    std::string old = Bytes(50000);
    Resource dropping = File(old);
    dropping.dropAfter = 20000;
    server.Set("/setup.bin", dropping);
    EXPECT_FALSE(Download("/setup.bin"));

    // One byte shorter and one stamp unit (two seconds) newer: the same size + stamp.
    std::string fresh(49999, 'c');
    Resource changed = File(fresh);
    changed.lastModified = "Wed, 21 Oct 2015 07:28:02 GMT";
    server.Set("/setup.bin", changed);
    ASSERT_EQ(FilesBeside(),
              std::vector<std::string>{"setup.bin." + std::to_string(49999 + kStamp + 1)});
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), fresh);
}

TEST_F(HttpDownloadTest, ServerIgnoringRangesStillGivesTheRightFile) {
    std::string body = Bytes(80000);
    Resource resource = File(body);
    resource.dropAfter = 30000;
    server.Set("/setup.bin", resource);
    EXPECT_FALSE(Download("/setup.bin"));

    resource.dropAfter = -1;
    resource.honourRanges = false;
    server.Set("/setup.bin", resource);
    server.ClearRequests();
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), body);
    EXPECT_EQ(Gets().back().range, "bytes=30000-");
}

TEST_F(HttpDownloadTest, FileChangedBetweenTheRequestsIsFetchedWhole) {
    std::string old = Bytes(60000);
    Resource resource = File(old);
    resource.dropAfter = 25000;
    server.Set("/setup.bin", resource);
    EXPECT_FALSE(Download("/setup.bin"));

    // The plain request still sees the old file; the ranged one finds a new one.
    std::string fresh(60000, 'f');
    auto changed = std::make_shared<Resource>(File(fresh));
    changed->lastModified = "Thu, 22 Oct 2015 07:28:00 GMT";
    resource.dropAfter = -1;
    resource.next = changed;
    server.Set("/setup.bin", resource);
    server.ClearRequests();
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), fresh);
    EXPECT_EQ(Gets().back().ifRange, kModified);
}

TEST_F(HttpDownloadTest, RefusedRangeStartsOver) {
    std::string body = Bytes(80000);
    Resource resource = File(body);
    resource.dropAfter = 30000;
    server.Set("/setup.bin", resource);
    EXPECT_FALSE(Download("/setup.bin"));

    resource.dropAfter = -1;
    resource.rangeStatus = 416;
    server.Set("/setup.bin", resource);
    server.ClearRequests();
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), body);
    auto gets = Gets();
    ASSERT_EQ(gets.size(), 3u);
    EXPECT_EQ(gets[1].range, "bytes=30000-");
    EXPECT_EQ(gets[2].range, "");
}

TEST_F(HttpDownloadTest, PartialFileLongerThanTheFileIsDeleted) {
    std::string body = Bytes(4000);
    server.Set("/setup.bin", File(body));
    WriteFile(Partial(body.size()), Bytes(5000));
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), body);
    EXPECT_EQ(FilesBeside(), std::vector<std::string>{"setup.bin"});
}

TEST_F(HttpDownloadTest, OnlyNumberedPartialFilesAreStale) {
    WriteFile(dest + ".12345", "stale");
    WriteFile(dest + ".original", "version record");
    WriteFile(dest + ".1x", "not a partial file");
    server.Set("/setup.bin", File("new"));
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(FilesBeside(),
              (std::vector<std::string>{"setup.bin", "setup.bin.1x", "setup.bin.original"}));
}

TEST_F(HttpDownloadTest, FailuresWriteNothing) {
    std::string local = dir / "secret.txt";
    WriteFile(local, "local file");
    Resource noLength = File("body");
    noLength.sendLength = false;
    server.Set("/nolength", noLength);
    Resource missing;
    missing.status = 404;
    missing.body = "<HTML><HEAD><TITLE>404 Not Found</TITLE></HEAD></HTML>";
    server.Set("/missing", missing);
    Resource toFile;
    toFile.location = "file://" + local;
    server.Set("/tofile", toFile);
    const std::string notFound =
        "<B>404 File Not Found...</B><P><P>URL:  " + server.Url("/missing") +
        ".<P><P>Please make sure the file is available and access is "
        "allowed to this file.";
    struct Case {
        std::string url;
        std::string error;
    } cases[] = {
        {server.Url("/nolength"), server.Url("/nolength") + "<P><P>File Not Found !"},
        {server.Url("/missing"), notFound},
        {server.Url("/tofile"),
         "Unable to open Internet Connection <P>URL: " + server.Url("/tofile")},
        {"file://" + local, "Unable to open Internet Connection <P>URL: file://" + local},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        WriteFile(dest, "good file");
        EXPECT_FALSE(HttpDownloadFile(c.url, dest, error, hooks));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(ReadFile(dest), "good file");
        EXPECT_EQ(FilesBeside(), (std::vector<std::string>{"secret.txt", "setup.bin"}));
    }
}

TEST_F(HttpDownloadTest, HttpsOnlyRefusesAPlainAddressBeforeAnyRequest) {
    for (const auto& [url, plain] :
         {std::pair{"https://example.invalid/a", false},
          std::pair{"HTTPS://example.invalid/a", false},
          std::pair{"http://example.invalid/a", true},
          std::pair{"httpsx://example.invalid/a", true}, std::pair{"ftp://example.invalid/a", true},
          std::pair{"example.invalid/a", true}})
        EXPECT_EQ(PlainHttpRefusal(url).empty(), !plain) << url;

    server.Set("/setup.bin", File("plain"));
    hooks.httpsOnly = true;
    WriteFile(dest, "good file");
    EXPECT_FALSE(Download("/setup.bin"));
    EXPECT_EQ(error, "Refused: only https downloads are allowed: " + server.Url("/setup.bin"));
    EXPECT_EQ(HttpGetFileSize(server.Url("/setup.bin"), {}, true), -1);
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(ReadFile(dest), "good file");
    EXPECT_EQ(HttpGetFileSize(server.Url("/setup.bin")), 5);
}

TEST_F(HttpDownloadTest, RedirectsBetweenHttpAddressesAreFollowed) {
    server.Set("/new/setup.bin", File("moved"));
    Resource moved;
    moved.location = server.Url("/new/setup.bin");
    server.Set("/setup.bin", moved);
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), "moved");
}

TEST_F(HttpDownloadTest, DownloadIntoMemoryWritesNoFile) {
    server.Set("/setup.ini", File("[NewSetup]\r\nVersionNew=3\r\n"));
    std::string text;
    ASSERT_TRUE(HttpDownloadFile(server.Url("/setup.ini"), "", error, hooks, &text)) << error;
    EXPECT_EQ(text, "[NewSetup]\r\nVersionNew=3\r\n");
    EXPECT_TRUE(FilesBeside().empty());
}

TEST_F(HttpDownloadTest, ClosingProgramAbortsAndKeepsThePartialFile) {
    std::string body = Bytes(100000);
    server.Set("/setup.bin", File(body));
    int advances = 0;
    hooks.onProgress = [&advances](int kind, std::int64_t, std::int64_t, bool&, int, std::int64_t) {
        advances += kind == AdvanceBars;
    };
    hooks.closing = [&advances] {
        return advances >= 3;
    };
    EXPECT_FALSE(Download("/setup.bin"));
    EXPECT_EQ(error, "Download Aborted");
    EXPECT_FALSE(fs::exists(dest));
    ASSERT_TRUE(fs::exists(Partial(body.size())));
    EXPECT_LT(fs::file_size(Partial(body.size())), body.size());

    hooks.closing = {};
    server.ClearRequests();
    ASSERT_TRUE(Download("/setup.bin")) << error;
    EXPECT_EQ(ReadFile(dest), body);
    EXPECT_NE(Gets().back().range, "");
}

TEST_F(HttpDownloadTest, FileSizeOfAnAddress) {
    server.Set("/setup.bin", File(Bytes(1234)));
    Resource noLength = File("x");
    noLength.sendLength = false;
    server.Set("/nolength", noLength);
    std::string refused;
    {
        TestHttpServer closed;
        refused = closed.Url("/setup.bin");
    }
    struct Case {
        std::string url;
        std::int64_t size;
    } cases[] = {
        {server.Url("/setup.bin"), 1234},
        {server.Url("/nolength"), 0},
        {server.Url("/missing"), -1},
        {refused, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(HttpGetFileSize(c.url, hooks.log), c.size);
        EXPECT_EQ(log.back(), "HTTP_GetFileSize=" + std::to_string(c.size) + "  " + c.url);
    }
}

// An HTTPS server whose certificate nobody vouches for: nothing is fetched from it.
TEST_F(HttpDownloadTest, UnverifiedCertificateIsRefused) {
    if (::access("/usr/bin/openssl", X_OK) != 0)
        GTEST_SKIP() << "openssl is not installed";
    ScratchFolder site;
    WriteFile(site / "setup.bin", "from an impostor");
    std::string key = site / "key.pem", certificate = site / "certificate.pem";
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    ChildProcess request("/usr/bin/openssl",
                         {"req", "-x509", "-newkey", "ec", "-pkeyopt",
                          "ec_paramgen_curve:prime256v1", "-nodes", "-keyout", key, "-out",
                          certificate, "-days", "1", "-subj", "/CN=127.0.0.1"},
                         environ, &quiet);
    posix_spawn_file_actions_destroy(&quiet);
    ASSERT_EQ(request.Reap(), 0);

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, site.path.c_str());
    ChildProcess server(
        "/usr/bin/openssl",
        {"s_server", "-accept", "127.0.0.1:0", "-cert", certificate, "-key", key, "-WWW"}, environ,
        &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    FILE* output = ::fdopen(ends[0], "r");
    int port = 0;
    char line[256];
    while (port == 0 && std::fgets(line, sizeof line, output))
        std::sscanf(line, "ACCEPT 127.0.0.1:%d", &port);
    std::fclose(output);
    ASSERT_NE(port, 0) << "the HTTPS server did not start";

    std::string url = "https://127.0.0.1:" + std::to_string(port) + "/setup.bin";
    EXPECT_FALSE(HttpDownloadFile(url, dest, error, hooks));
    EXPECT_EQ(error, "Unable to open Internet Connection <P>URL: " + url);
    EXPECT_TRUE(FilesBeside().empty());
}

} // namespace
