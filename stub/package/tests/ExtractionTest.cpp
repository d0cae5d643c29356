#include "package/Extraction.h"
#include "package/DosTime.h"
#include "package/PackageError.h"
#include "package/PackageFile.h"
#include "package/TGFileInfo.h"
#include "platform/FileTimes.h"
#include "testsupport/CraftedPackage.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace stub;
using namespace stubtest;
namespace fs = std::filesystem;

namespace {

struct ProgressCall {
    int kind;
    std::int64_t high;
};

class ExtractionTest : public ::testing::Test {
protected:
    ExtractionRequest Request(const std::string& source) {
        ExtractionRequest request;
        request.source = source;
        request.destination = dir / "dest";
        request.boxes = &boxes;
        request.writeFailureCount = &writeFailures;
        request.wait = [](int) {
        };
        request.log = [this](const std::string& line) {
            log.push_back(line);
        };
        request.onProgress = [this](int kind, std::int64_t, std::int64_t high, bool&, int,
                                    std::int64_t) {
            progress.push_back({kind, high});
        };
        return request;
    }

    std::string Write(const CraftedPackage& crafted, const std::string& name = "setup.exe") {
        WriteFile(dir / name, crafted.Bytes());
        return dir / name;
    }

    std::string Dest(const std::string& name) { return dir / ("dest/" + name); }

    int AdvanceCount() const {
        int count = 0;
        for (const auto& call : progress)
            count += call.kind == AdvanceBars;
        return count;
    }

    ScratchFolder dir;
    RecordingBoxes boxes;
    int writeFailures = 0;
    std::vector<ProgressCall> progress;
    std::vector<std::string> log;
};

} // namespace

TEST_F(ExtractionTest, StoredDeflatedAndEmptyBlocks) {
    const std::uint32_t stamp = 953922124; // 27 June 2008 22:18:24
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("setup.bin* /S", "engine")));
    crafted.blocks.push_back(
        DeflatedBlock(FileContent("big.txt", std::string(300000, 'z'), std::to_string(stamp))));
    crafted.blocks.push_back(Le32(0));
    crafted.blocks.push_back(StoredBlock(FileContent("sub\\empty.dat", "")));
    crafted.trailer.FilesCount = 4;

    auto result = ExtractPackage(Request(Write(crafted)));

    EXPECT_TRUE(result.checksumOk);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.engineEntry, "setup.bin* /S");
    EXPECT_EQ(result.filesWritten, 3);
    EXPECT_EQ(ReadFile(Dest("setup.bin")), "engine");
    EXPECT_NE(fs::status(Dest("setup.bin")).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(ReadFile(Dest("big.txt")), std::string(300000, 'z'));
    EXPECT_EQ(FileModificationTime(Dest("big.txt")), DosTimeToTime(stamp));
    EXPECT_TRUE(fs::exists(Dest("sub/empty.dat")));
    EXPECT_EQ(fs::file_size(Dest("sub/empty.dat")), 0u);
    EXPECT_TRUE(boxes.shown.empty());

    ASSERT_GE(progress.size(), 2u);
    EXPECT_EQ(progress[0].kind, SetUpBars);
    EXPECT_EQ(progress[0].high, 0);
    EXPECT_EQ(progress[1].kind, SetUpBars);
    EXPECT_EQ(progress[1].high, 4);
    EXPECT_EQ(AdvanceCount(), 3);
    EXPECT_EQ(log.front(), "FileInfo.FilesCount=4");
    EXPECT_EQ(log[1], "FileLen=" + std::to_string(crafted.Bytes().size()));
    EXPECT_EQ(log.back().rfind("UnCompressTime: ", 0), 0u);
}

TEST_F(ExtractionTest, BrokenDeflateStreamRaisesZlibError) {
    std::string good = DeflatedBlock(FileContent("a.txt", std::string(5000, 'q')));
    std::string corrupt = good;
    corrupt[4] = 0x00; // the zlib header no longer checks
    std::string truncated =
        Le32(static_cast<std::int32_t>(good.size() - 4 - 6)) + good.substr(4, good.size() - 10);
    for (const auto& block : {corrupt, truncated}) {
        CraftedPackage crafted;
        crafted.blocks.push_back(block);
        EXPECT_THROW(ExtractPackage(Request(Write(crafted))), EZLibError);
    }
}

TEST_F(ExtractionTest, BlocksEndingExactly74BytesBeforeTheEndStopCleanly) {
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("a.txt", "a")));
    auto result = ExtractPackage(Request(Write(crafted)));
    EXPECT_EQ(result.filesWritten, 1);

    // With 75 bytes left another block is read; a stray byte is no block and is refused.
    crafted.blocks.push_back("x");
    EXPECT_THROW(ExtractPackage(Request(Write(crafted))), PackageError);

    // A block whose length runs into the trailer is refused too.
    crafted.blocks.back() = Le32(-200) + std::string(10, 'y');
    EXPECT_THROW(ExtractPackage(Request(Write(crafted))), PackageError);
}

TEST_F(ExtractionTest, ExistingFileIsAppendedToWithoutProgress) {
    fs::create_directories(dir / "dest");
    WriteFile(Dest("log.txt"), "old;");
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("log.txt", "new")));
    crafted.blocks.push_back(StoredBlock(FileContent("log.txt", "+more")));
    auto result = ExtractPackage(Request(Write(crafted)));
    EXPECT_EQ(ReadFile(Dest("log.txt")), "old;new+more");
    EXPECT_EQ(result.filesWritten, 2);
    EXPECT_EQ(AdvanceCount(), 0);
}

TEST_F(ExtractionTest, WriteFailureIsReportedOnceAndExtractionGoesOn) {
    fs::create_directories(Dest("first.txt"));
    fs::create_directories(Dest("second.txt"));
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("first.txt", "1111")));
    crafted.blocks.push_back(DeflatedBlock(FileContent("second.txt", "22")));
    crafted.blocks.push_back(StoredBlock(FileContent("third.txt", "3")));
    auto result = ExtractPackage(Request(Write(crafted)));
    EXPECT_EQ(result.writeFailures, 2);
    EXPECT_EQ(ReadFile(Dest("third.txt")), "3");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::string& text = boxes.shown[0].text;
    EXPECT_EQ(boxes.shown[0].kind, "error");
    EXPECT_EQ(text.find(Dest("first.txt") + "<P><P>Unable to save Extracted File!<P><P>"), 0u);
    EXPECT_NE(text.find("  Data Size: <T>4 Bytes<P>"), std::string::npos) << text;
    EXPECT_NE(text.find("  File Size:  <T>"), std::string::npos);
    EXPECT_NE(text.find("  Bytes Free: <T>"), std::string::npos);
}

TEST_F(ExtractionTest, TraversalNamesAreRefusedAndNeverWritten) {
    const std::string outside = dir / "outside.txt";
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("../outside.txt", "evil")));
    crafted.blocks.push_back(DeflatedBlock(FileContent("..\\outside.txt", "evil")));
    crafted.blocks.push_back(StoredBlock(FileContent("ok\\..\\..\\outside.txt", "evil")));
    crafted.blocks.push_back(StoredBlock(FileContent(outside + "*", "evil")));
    crafted.blocks.push_back(StoredBlock(FileContent("good.txt", "fine")));
    auto result = ExtractPackage(Request(Write(crafted)));
    EXPECT_FALSE(fs::exists(outside));
    EXPECT_EQ(result.refusedNames, 4);
    EXPECT_EQ(result.engineEntry, "");
    EXPECT_EQ(ReadFile(Dest("good.txt")), "fine");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("../outside.txt"), std::string::npos);
}

TEST_F(ExtractionTest, ChecksumMismatchWritesNothing) {
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("a.txt", "a")));
    crafted.trailer.Checksum = 5;
    auto result = ExtractPackage(Request(Write(crafted)));
    EXPECT_FALSE(result.checksumOk);
    EXPECT_FALSE(fs::exists(Dest("a.txt")));
}

TEST_F(ExtractionTest, AgentCopyEndsWithAnAgentTrailer) {
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("a.txt", "payload")));
    crafted.trailer.MakeAgent = 1;
    crafted.trailer.FilesCount = 1;
    auto request = Request(Write(crafted, "Setup.EXE"));
    request.agentFileName = "agent.exe";
    ExtractPackage(request);

    const std::string agent = Dest("agent.exe");
    ASSERT_TRUE(fs::exists(agent));
    std::string info = crafted.image + crafted.blocks[0] + crafted.blocks[1];
    std::string bytes = ReadFile(agent);
    ASSERT_EQ(bytes.size(), info.size() + 74);
    EXPECT_EQ(bytes.substr(0, info.size()), info);
    TGFileInfo copy(agent);
    EXPECT_TRUE(copy.HasPackage());
    EXPECT_TRUE(copy.IsAgent());
    EXPECT_TRUE(copy.MakeAgent());
    EXPECT_EQ(copy.Trailer().FilesCount, 1u);
    EXPECT_EQ(copy.Trailer().TrailerLength, 74);
    EXPECT_EQ(copy.LanguageText("s0", "x"), "Crafted");
    EXPECT_NE(fs::status(agent).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(FileModificationTime(agent),
              DosTimeToTime(TimeToDosTime(*FileModificationTime(dir / "Setup.EXE"))));
    EXPECT_NE(log[log.size() - 3].find(" New AU-Agent: " + agent), std::string::npos);

    // Only a source ending in ".exe" or ".exe.001" gets an agent.
    fs::remove(agent);
    request.source = Write(crafted, "setup.bin");
    ExtractPackage(request);
    EXPECT_FALSE(fs::exists(agent));
}

namespace {

// Volumes of one package: info blocks in the first, one file in each; SpanDisks on all but the
// last.
std::vector<std::string> VolumeBytes(int count) {
    std::vector<std::string> volumes;
    for (int i = 1; i <= count; ++i) {
        CraftedPackage crafted;
        if (i > 1)
            crafted.blocks.clear();
        const std::string number = std::to_string(i);
        crafted.blocks.push_back(StoredBlock(FileContent("part" + number + ".txt", "v" + number)));
        crafted.trailer.FilesCount = static_cast<std::uint32_t>(count);
        if (i < count)
            crafted.trailer.Flags = SpanDisks;
        volumes.push_back(crafted.Bytes());
    }
    return volumes;
}

} // namespace

TEST_F(ExtractionTest, VolumesWithoutPrompts) {
    auto volumes = VolumeBytes(3);
    WriteFile(dir / "setup.exe.001", volumes[0]);
    WriteFile(dir / "setup.exe.002", volumes[1]);
    WriteFile(dir / "setup.exe.003", volumes[2]);
    auto result = ExtractPackage(Request(dir / "setup.exe.001"));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(result.volumes, 3);
    EXPECT_EQ(result.filesWritten, 3);
    EXPECT_EQ(ReadFile(Dest("part3.txt")), "v3");
}

TEST_F(ExtractionTest, MissingVolumeIsPromptedForUntilItArrives) {
    auto volumes = VolumeBytes(3);
    WriteFile(dir / "setup.exe", volumes[0]);
    WriteFile(dir / "setup.exe.002", volumes[1]);
    int asked = 0;
    boxes.answers = {true, true};
    boxes.beforeAnswer = [&] {
        if (++asked == 2)
            WriteFile(dir / "setup.exe.003", volumes[2]);
    };
    auto result = ExtractPackage(Request(dir / "setup.exe"));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].kind, "okcancel");
    EXPECT_EQ(boxes.shown[0].text, "Please insert <B>DISK #3</B> and press OK to continue");
    EXPECT_EQ(boxes.shown[0].caption, "Attention");
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(ReadFile(Dest("part3.txt")), "v3");
    EXPECT_EQ(AdvanceCount(), 3 + 1);
}

TEST_F(ExtractionTest, CancelledPromptClearsTheEngine) {
    CraftedPackage first;
    first.blocks.push_back(StoredBlock(FileContent("setup.bin*", "e")));
    first.trailer.Flags = SpanDisks;
    WriteFile(dir / "setup.exe", first.Bytes());
    boxes.answers = {false};
    auto result = ExtractPackage(Request(dir / "setup.exe"));
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.engineEntry, "");
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(ExtractionTest, ForcePromptAsksEvenWhenTheVolumeIsPresent) {
    auto volumes = VolumeBytes(2);
    WriteFile(dir / "setup.exe", volumes[0]);
    WriteFile(dir / "setup.exe.002", volumes[1]);
    boxes.answers = {true};
    auto request = Request(dir / "setup.exe");
    request.forcePrompt = true;
    auto result = ExtractPackage(request);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(ReadFile(Dest("part2.txt")), "v2");
}

TEST_F(ExtractionTest, DamagedSecondVolumeStopsWithFailedChecksum) {
    auto volumes = VolumeBytes(2);
    WriteFile(dir / "setup.exe", volumes[0]);
    CraftedPackage second;
    second.blocks = {StoredBlock(FileContent("part2.txt", "v2"))};
    second.trailer.Checksum = 77;
    WriteFile(dir / "setup.exe.002", second.Bytes());
    auto result = ExtractPackage(Request(dir / "setup.exe"));
    EXPECT_FALSE(result.checksumOk);
    EXPECT_TRUE(fs::exists(Dest("part1.txt")));
    EXPECT_FALSE(fs::exists(Dest("part2.txt")));
}

TEST_F(ExtractionTest, InspectingWritesNothing) {
    CraftedPackage crafted;
    crafted.blocks.push_back(DeflatedBlock(FileContent("a.txt", "abc", "953922124")));
    std::vector<EntryInfo> entries;
    auto request = Request(Write(crafted));
    request.inspect = [&](const EntryInfo& e) {
        entries.push_back(e);
    };
    ExtractPackage(request);
    EXPECT_FALSE(fs::exists(dir / "dest"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "a.txt");
    EXPECT_EQ(entries[0].size, 3);
    EXPECT_EQ(entries[0].stamp, 953922124u);
    EXPECT_GT(entries[0].blockLength, 0);
}

TEST_F(ExtractionTest, WriteFailureIsReportedOncePerProcessNotPerExtraction) {
    fs::create_directories(Dest("taken.txt"));
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("taken.txt", "1")));
    const auto request = Request(Write(crafted));
    EXPECT_EQ(ExtractPackage(request).writeFailures, 1);
    EXPECT_EQ(ExtractPackage(request).writeFailures, 1);
    EXPECT_EQ(writeFailures, 2);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(ExtractionTest, AgentNameMustBeABareFileName) {
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("a.txt", "payload")));
    auto request = Request(Write(crafted));
    for (const std::string name : {"../agent.exe", "sub/agent.exe", "..\\agent.exe", ".."}) {
        boxes.shown.clear();
        request.agentFileName = name;
        ExtractPackage(request);
        ASSERT_EQ(boxes.shown.size(), 1u) << name;
        EXPECT_NE(boxes.shown[0].text.find("bare file name"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir / "agent.exe"));
    EXPECT_FALSE(fs::exists(Dest("sub/agent.exe")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "dest"), fs::directory_iterator()), 1);
}

TEST_F(ExtractionTest, LinksInsideTheDestinationAreNeverFollowed) {
    fs::create_directories(dir / "outside");
    fs::create_directories(dir / "dest");
    fs::create_directory_symlink(dir / "outside", Dest("linked"));
    WriteFile(dir / "outside.txt", "kept");
    fs::create_hard_link(dir / "outside.txt", Dest("hard.txt"));
    fs::create_symlink(dir / "outside.txt", Dest("soft.txt"));
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("linked\\x.txt", "evil")));
    crafted.blocks.push_back(StoredBlock(FileContent("linked/deeper/y.txt", "evil")));
    crafted.blocks.push_back(StoredBlock(FileContent("hard.txt", "evil")));
    crafted.blocks.push_back(StoredBlock(FileContent("soft.txt", "evil")));
    crafted.blocks.push_back(StoredBlock(FileContent("good.txt", "fine")));
    auto result = ExtractPackage(Request(Write(crafted)));
    EXPECT_TRUE(fs::is_empty(dir / "outside"));
    EXPECT_EQ(ReadFile(dir / "outside.txt"), "kept");
    EXPECT_EQ(result.writeFailures, 4);
    EXPECT_EQ(ReadFile(Dest("good.txt")), "fine");
}

TEST_F(ExtractionTest, ANamedPipeInPlaceOfAVolumeIsRefused) {
    auto volumes = VolumeBytes(2);
    WriteFile(dir / "setup.exe", volumes[0]);
    ASSERT_EQ(mkfifo((dir / "setup.exe.002").c_str(), 0600), 0);
    EXPECT_THROW(ExtractPackage(Request(dir / "setup.exe")), PackageError);
    EXPECT_EQ(ReadFile(Dest("part1.txt")), "v1");
}

TEST_F(ExtractionTest, DotNamesAreRefusedAndSpacesInNamesKept) {
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent(".", "x")));
    crafted.blocks.push_back(StoredBlock(FileContent("sub/.", "x")));
    crafted.blocks.push_back(StoredBlock(FileContent(" two  spaces .txt", "s")));
    crafted.blocks.push_back(StoredBlock(FileContent(" run me.sh *  /S ", "#!/bin/sh\n")));
    std::vector<EntryInfo> entries;
    auto request = Request(Write(crafted));
    request.inspect = [&](const EntryInfo& e) {
        entries.push_back(e);
    };
    ExtractPackage(request);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_FALSE(entries[0].safe);
    EXPECT_FALSE(entries[1].safe);
    EXPECT_TRUE(entries[2].safe);

    request.inspect = nullptr;
    auto result = ExtractPackage(request);
    EXPECT_EQ(result.refusedNames, 2);
    EXPECT_EQ(ReadFile(Dest(" two  spaces .txt")), "s");
    EXPECT_EQ(ReadFile(Dest(" run me.sh ")), "#!/bin/sh\n");
    EXPECT_EQ(result.engineEntry, " run me.sh *  /S ");
}

TEST_F(ExtractionTest, ScriptsProgramsAndTheEngineBecomeExecutable) {
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("engine.bin*", "plain bytes")));
    crafted.blocks.push_back(DeflatedBlock(FileContent("tool.sh", "#!/bin/sh\nexit 0\n")));
    crafted.blocks.push_back(StoredBlock(FileContent("prog", std::string("\x7f"
                                                                         "ELF\x02",
                                                                         5))));
    crafted.blocks.push_back(StoredBlock(FileContent("notes.txt", "#not a script")));
    crafted.blocks.push_back(StoredBlock(FileContent("tiny", "#")));
    ExtractPackage(Request(Write(crafted)));
    const auto executable = [&](const std::string& name) {
        return (fs::status(Dest(name)).permissions() & fs::perms::owner_exec) != fs::perms::none;
    };
    EXPECT_TRUE(executable("engine.bin"));
    EXPECT_TRUE(executable("tool.sh"));
    EXPECT_TRUE(executable("prog"));
    EXPECT_FALSE(executable("notes.txt"));
    EXPECT_FALSE(executable("tiny"));
}
