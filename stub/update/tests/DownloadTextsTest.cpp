#include "update/Connectivity.h"
#include "update/NotFoundPage.h"
#include "update/SpeedMeter.h"

#include <gtest/gtest.h>

using namespace stub;

namespace {

const std::string kUrl = "http://127.0.0.1/setup.exe";
const std::string kNotFound = "<B>404 File Not Found...</B><P><P>URL:  " + kUrl +
                              ".<P><P>Please make sure the file is available and access is "
                              "allowed to this file.";
const std::string kIis =
    "<P><P>If you are using an IIS webserver you must define appropriate MIME-Types.";

TEST(NotFoundPageTest, PagesAreRecognisedByTheirMarksInOrder) {
    struct Case {
        std::string page;
        bool mentionServer;
        std::string result;
    } cases[] = {
        {"<html><title>404 Not Found</title></html>", false, kNotFound},
        {"<TiTlE>Error 404</tItLe>", false, kNotFound},
        {"<HTML><HEAD><TITLE>Object moved</TITLE></HEAD>", false, kNotFound},
        {"<HTML><HEAD><TITLE>IIS 404</TITLE>", true, kNotFound + kIis},
        {"<HTML><HEAD><TITLE>IIS 404</TITLE>", false, kNotFound},
        {"<title>Not Found</title> 404", false, "default"},
        {"404 <title>Not Found</title>", false, "default"},
        {"<HEAD><HTML><TITLE></TITLE>", false, "default"},
        {"[NewSetup]\r\nVersionNew=404\r\n", false, "default"},
        {std::string(10000, ' ') + "<title>404</title>", false, "default"},
        {std::string(9980, ' ') + "<title>404</title>", false, kNotFound},
        {"", false, "default"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page.substr(0, 60));
        EXPECT_EQ(NotFoundPageText(c.page, kUrl, c.mentionServer, "default"), c.result);
    }
}

TEST(NotFoundPageTest, MissingFileIsNoPage) {
    EXPECT_EQ(NotFoundFileText("/nonexistent/setup.exe", kUrl, true, "kept"), "kept");
}

TEST(SpeedMeterTest, RateOverTheLastFiveSamples) {
    SpeedMeter meter(100000);
    struct Step {
        std::int64_t tick;
        std::int64_t received;
        std::string text;
    } steps[] = {
        {1000, 0, "0/100000 Bytes   "},
        {1000, 10240, "10240/100000 Bytes   "},
        {1500, 20480, "20480/100000 Bytes   40.00 KB/Sec"},
        {2000, 30720, "30720/100000 Bytes   30.00 KB/Sec"},
        {2000, 40960, "40960/100000 Bytes   40.00 KB/Sec"},
        // The first sample (tick 1000, 0 bytes) has dropped out.
        {3000, 51200, "51200/100000 Bytes   20.00 KB/Sec"},
    };
    for (const auto& step : steps)
        EXPECT_EQ(meter.Update(step.tick, step.received), step.text);
}

TEST(ConnectivityTest, ThisMachineIsAlwaysReachable) {
    for (const char* url : {"http://127.0.0.1:8080/x", "http://localhost/", "http://[::1]/a"})
        EXPECT_TRUE(IsConnected(url)) << url;
}

} // namespace
