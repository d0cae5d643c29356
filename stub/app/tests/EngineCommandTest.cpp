#include "app/EngineCommand.h"

#include <gtest/gtest.h>

using namespace stub;

TEST(EngineCommand, TailParametersHandshakeAndOrigin) {
    struct Case {
        std::string entry;
        std::string tail;
        bool agent;
        std::string command;
    };
    const std::string dest = "/tmp/k/SETUP_1";
    const std::vector<Case> cases = {
        {"setup.sh*", "", false,
         "\"/tmp/k/SETUP_1/setup.sh\" /TH_ID=_42 /OriginExe=\"/media/cd/setup.exe\""},
        {"setup.sh* /S ", "/lang=de", false,
         "\"/tmp/k/SETUP_1/setup.sh\" /lang=de /S /TH_ID=_42 /OriginExe=\"/media/cd/setup.exe\""},
        {"my setup.sh*", "/OriginExe=\"/elsewhere/x.exe\"", true,
         "\"/tmp/k/SETUP_1/my setup.sh\" /OriginExe=\"/elsewhere/x.exe\" /TH_ID=_42 "
         "/AutoUpdateProg"},
        {"setup.sh*/SpanCdLvl=2",
         "/SpanDiskFName1=\"/media/my cd/setup.001\" /S /SpanCdLvl=2 /spandiskfname1=/x", false,
         "\"/tmp/k/SETUP_1/setup.sh\" /S /TH_ID=_42 /OriginExe=\"/media/cd/setup.exe\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EngineCommand({dest, c.entry, c.tail, 42, "/media/cd/setup.exe", c.agent}),
                  c.command)
            << c.entry;
    EXPECT_EQ(HandshakeAtomName(42), "AutoUpdateAtomTokenByKelpset_42");
    EXPECT_EQ(EngineDialogClass(42), ".SDialog_Class_Name._42");
}
