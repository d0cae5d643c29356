#include "tools/StubpackCommand.h"

#include "app/ConsoleMessageBoxes.h"
#include "package/DosTime.h"
#include "package/Extraction.h"
#include "package/ListText.h"
#include "package/PackageError.h"
#include "package/TGFileInfo.h"
#include "platform/ProcessLog.h"
#include "tools/PackageWriter.h"
#include "tools/SigningCommands.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <map>
#include <stdexcept>

namespace stub {

namespace {

constexpr const char* kHelp = R"(Usage:
  stubpack create -o OUTPUT [options] INPUT...
  stubpack list PACKAGE
  stubpack verify PACKAGE
  stubpack extract PACKAGE DEST [--force-prompt] [--verbose]
  stubpack keygen -p PUBKEY -s SECKEY [-W] [-f]
  stubpack sign -s SECKEY FILE [-t TRUSTED_COMMENT]
  stubpack verify-signature -p PUBKEY FILE [-x SIGFILE]
  stubpack --help

create  writes a package behind a copy of the stub program. Each INPUT is a file (packed under
        its file name) or a folder (every file below it, packed under its relative path).
list    shows the trailer, the settings, the languages and every packed file.
verify  checks every volume's checksum, inflates every block and checks every file name;
        exit status 0 when the package is sound.
extract writes the package's files into DEST through the same engine as the stub.
keygen  makes an Ed25519 key pair in minisign's format: the public key in PUBKEY, the secret
        key in SECKEY, protected by a passphrase (asked twice on the terminal, or taken from
        the environment variable STUBPACK_PASSPHRASE), or by none with -W; -f replaces
        existing key files.
sign    writes FILE.minisig, a minisign signature of FILE (checkable with minisign -V);
        the passphrase of SECKEY as for keygen. -t sets the trusted comment (default:
        timestamp, file name).
verify-signature
        checks FILE.minisig (or -x SIGFILE) against FILE and PUBKEY and shows the trusted
        comment; exit status 0 only when the signature holds.

Options of create:
  -o, --output PATH        the package (the first volume) to write; required
  --stub PATH              the stub program to pack behind (default: stub beside stubpack)
  --engine NAME[*PARAMS]   the packed file that the stub starts after extraction, with extra
                           command-line parameters after "*"; it is packed first
  --language FILE          language texts from an INI file: one [Name] section per language,
                           key=value lines (Charset, FontSize, FontName, s0..s12, BtnText,
                           Attention, Confirm, Error); default: built-in English
  --update-url URL         settings item UpdateBaseUrl (default "http://")
  --info-file NAME         settings item InfoFileName (default ".info")
  --agent-name NAME        settings item AgentFileName (default ".exe")
  --token TEXT             settings item SecretToken, stored scrambled (default empty)
  --background             settings item Background = 1: extract and run hidden
  --update-key PUBKEY      settings item UpdatePublicKey: the public key (from a keygen or
                           minisign .pub file) whose signatures updates must carry
  --require-https          settings item RequireHttps = 1: updates and a web package's setup
                           file are downloaded over https only
  --download-url URL       adds the download block: DownloadBaseUrl
  --download-file NAME     download block: DownloadFileName
  --always-download        download block: AlwaysDownload = 1
  --download-token TEXT    download block: DownloadToken, stored scrambled
  --download-size BYTES    download block: DownloadSize
  --announce-temp          flag AnnounceTempExtraction: always ask before extracting
  --span-cd                flag SpanCd: the volumes are on removable media
  --busy-bar               flag ShowBusyBar: show the busy bar while extracting
  --debug-log              flag DebugLog: an update agent writes its debug log
  --web-package            WebPackage = 1: the setup file is downloaded
  --confirm-download       ConfirmDownload = 1: ask before downloading
  --make-agent             MakeAgent = 1: write the update agent after extraction
  --agent                  IsAgent = 1: the package is an update agent
  --no-checksum            store the checksum 1234: the package is not checked
  --store                  store every file without compression
  --deflate                deflate every file, even when that does not make it smaller
                           (default: deflate, or store when deflating does not help)
  --level N                deflate level 1..9 (default 6)
  --volume-size BYTES      split into volumes of at most BYTES each (suffix K, M or G allowed);
                           further volumes are OUTPUT.002, OUTPUT.003, ...

Options of extract:
  --force-prompt           ask for every further volume even when it is present
  --verbose                print the extraction log
)";

[[noreturn]] void Usage(const std::string& what) {
    throw std::invalid_argument(what);
}

std::int64_t ParseSize(const std::string& text) {
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        Usage("not a number: " + text);
    }
    std::string suffix = text.substr(used);
    const std::map<std::string, long long> units = {
        {"", 1}, {"K", 1024}, {"M", 1048576}, {"G", 1073741824}};
    auto unit = units.find(suffix);
    if (unit == units.end() || value < 0)
        Usage("not a size: " + text);
    return value * unit->second;
}

std::string DefaultStub() {
    std::error_code ec;
    return (std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / "stub").string();
}

PackOptions ParseCreate(const std::vector<std::string>& args) {
    PackOptions o;
    o.stubPath = DefaultStub();
    const std::map<std::string, std::function<void(PackOptions&)>> flags = {
        {"--background",
         [](PackOptions& p) {
             p.background = true;
         }},
        {"--require-https",
         [](PackOptions& p) {
             p.requireHttps = true;
         }},
        {"--always-download",
         [](PackOptions& p) {
             p.alwaysDownload = p.hasDownload = true;
         }},
        {"--announce-temp",
         [](PackOptions& p) {
             p.flags |= AnnounceTempExtraction;
         }},
        {"--span-cd",
         [](PackOptions& p) {
             p.flags |= SpanCd;
         }},
        {"--busy-bar",
         [](PackOptions& p) {
             p.flags |= ShowBusyBar;
         }},
        {"--debug-log",
         [](PackOptions& p) {
             p.flags |= DebugLog;
         }},
        {"--web-package",
         [](PackOptions& p) {
             p.webPackage = true;
         }},
        {"--confirm-download",
         [](PackOptions& p) {
             p.confirmDownload = true;
         }},
        {"--make-agent",
         [](PackOptions& p) {
             p.makeAgent = true;
         }},
        {"--agent",
         [](PackOptions& p) {
             p.isAgent = true;
         }},
        {"--no-checksum",
         [](PackOptions& p) {
             p.checksum = false;
         }},
        {"--store",
         [](PackOptions& p) {
             p.compression = Compression::Store;
         }},
        {"--deflate",
         [](PackOptions& p) {
             p.compression = Compression::Deflate;
         }},
    };
    using Setter = std::function<void(PackOptions&, const std::string&)>;
    const std::map<std::string, Setter> values = {
        {"-o",
         [](PackOptions& p, const std::string& v) {
             p.output = v;
         }},
        {"--output",
         [](PackOptions& p, const std::string& v) {
             p.output = v;
         }},
        {"--stub",
         [](PackOptions& p, const std::string& v) {
             p.stubPath = v;
         }},
        {"--engine",
         [](PackOptions& p, const std::string& v) {
             p.engine = v;
         }},
        {"--language",
         [](PackOptions& p, const std::string& v) {
             p.languageIni = v;
         }},
        {"--update-url",
         [](PackOptions& p, const std::string& v) {
             p.updateBaseUrl = v;
         }},
        {"--info-file",
         [](PackOptions& p, const std::string& v) {
             p.infoFileName = v;
         }},
        {"--agent-name",
         [](PackOptions& p, const std::string& v) {
             p.agentFileName = v;
         }},
        {"--token",
         [](PackOptions& p, const std::string& v) {
             p.secretToken = v;
         }},
        {"--update-key",
         [](PackOptions& p, const std::string& v) {
             p.updatePublicKey = PublicKeyLineOf(v);
         }},
        {"--download-url",
         [](PackOptions& p, const std::string& v) {
             p.downloadBaseUrl = v, p.hasDownload = true;
         }},
        {"--download-file",
         [](PackOptions& p, const std::string& v) {
             p.downloadFileName = v, p.hasDownload = true;
         }},
        {"--download-token",
         [](PackOptions& p, const std::string& v) {
             p.downloadToken = v, p.hasDownload = true;
         }},
        {"--download-size",
         [](PackOptions& p, const std::string& v) {
             p.downloadSize = ParseSize(v), p.hasDownload = true;
         }},
        {"--level",
         [](PackOptions& p, const std::string& v) {
             p.level = static_cast<int>(ParseSize(v));
             if (p.level < 1 || p.level > 9)
                 Usage("--level must be 1..9");
         }},
        {"--volume-size",
         [](PackOptions& p, const std::string& v) {
             p.volumeSize = ParseSize(v);
         }},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        if (auto flag = flags.find(arg); flag != flags.end() && !hasValue) {
            flag->second(o);
        } else if (auto setter = values.find(arg); setter != values.end()) {
            if (!hasValue) {
                if (++i >= args.size())
                    Usage(arg + " needs a value");
                value = args[i];
            }
            setter->second(o, value);
        } else if (arg.size() > 1 && arg[0] == '-') {
            Usage("unknown option " + arg);
        } else {
            o.inputs.push_back(args[i]);
        }
    }
    if (o.output.empty())
        Usage("create needs -o OUTPUT");
    if (o.inputs.empty() && !o.webPackage && !o.isAgent)
        Usage("create needs at least one INPUT");
    return o;
}

std::string StampText(std::uint32_t stamp) {
    auto when = DosTimeToTime(stamp);
    if (!when)
        return "-------------------";
    std::tm parts{};
    localtime_r(&*when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

ExtractionRequest InspectRequest(const std::string& package, MessageBoxes& boxes) {
    ExtractionRequest request;
    request.source = package;
    request.boxes = &boxes;
    request.wait = [](int) {
    };
    return request;
}

int List(const std::string& package, std::ostream& out, std::ostream& err) {
    TGFileInfo info(package);
    if (!info.HasPackage()) {
        err << "stubpack: " << package << " holds no package"
            << (info.Error().empty() ? "" : ": " + info.Error()) << "\n";
        return 1;
    }
    const PackageTrailer& t = info.Trailer();
    out << "Package:        " << package << "\n"
        << "Format:         " << int(t.Format) << ", information blocks " << int(t.InfoBlockCount)
        << ", data offset " << t.DataOffset << ", files " << t.FilesCount << "\n"
        << "Checksum:       " << t.Checksum << (t.Checksum == kNoChecksum ? " (not checked)" : "")
        << "\n"
        << "Flags:         ";
    const std::pair<TrailerFlag, const char*> names[] = {
        {AnnounceTempExtraction, "AnnounceTempExtraction"},
        {SpanDisks, "SpanDisks"},
        {SpanCd, "SpanCd"},
        {ShowBusyBar, "ShowBusyBar"},
        {DebugLog, "DebugLog"}};
    for (const auto& [flag, name] : names)
        if (t.Has(flag))
            out << " " << name;
    out << "\nWebPackage=" << int(t.WebPackage) << " ConfirmDownload=" << int(t.ConfirmDownload)
        << " MakeAgent=" << int(t.MakeAgent) << " IsAgent=" << int(t.IsAgent) << "\n"
        << "SpaceRequired: ";
    for (auto bytes : t.SpaceRequired)
        out << " " << bytes;
    out << "\nUpdateBaseUrl:  " << info.Setting(SettingsItem::UpdateBaseUrl) << "\n"
        << "InfoFileName:   " << info.Setting(SettingsItem::InfoFileName) << "\n"
        << "AgentFileName:  " << info.Setting(SettingsItem::AgentFileName) << "\n"
        << "SecretToken:    " << info.Setting(SettingsItem::SecretToken, true) << "\n"
        << "Background:     " << info.Setting(SettingsItem::Background) << "\n";
    if (!info.UpdatePublicKey().empty())
        out << "UpdatePublicKey: " << info.UpdatePublicKey() << "\n";
    if (info.RequireHttps())
        out << "RequireHttps:   1\n";
    if (t.InfoBlockCount > 2)
        out << "Download:       " << info.Download(DownloadItem::DownloadBaseUrl) << " "
            << info.Download(DownloadItem::DownloadFileName)
            << " always=" << info.Download(DownloadItem::AlwaysDownload)
            << " token=" << info.Download(DownloadItem::DownloadToken, true)
            << " size=" << info.Download(DownloadItem::DownloadSize) << "\n";
    out << "Languages:     ";
    for (int i = 0; i < ListCount(info.LanguageBlock()); ++i)
        out << " " << ListItem(ListItem(info.LanguageBlock(), i), 0);
    out << "\nFiles:\n";
    ConsoleMessageBoxes boxes(nullptr, err);
    auto request = InspectRequest(package, boxes);
    request.inspect = [&out](const EntryInfo& e) {
        out << "  " << std::setw(3) << e.volume << "  "
            << (e.blockLength > 0 ? "deflated" : "stored  ") << std::setw(13) << e.size << "  "
            << StampText(e.stamp) << "  " << e.name << (e.safe ? "" : "  (unsafe name)") << "\n";
    };
    auto result = ExtractPackage(request);
    if (!result.checksumOk) {
        err << "stubpack: " << package << ": the checksum does not match\n";
        return 1;
    }
    return 0;
}

int Verify(const std::string& package, std::ostream& out, std::ostream& err) {
    TGFileInfo info(package);
    if (!info.HasPackage()) {
        err << "stubpack: FAILED: " << package << " holds no package"
            << (info.Error().empty() ? "" : ": " + info.Error()) << "\n";
        return 1;
    }
    ConsoleMessageBoxes boxes(nullptr, err);
    auto request = InspectRequest(package, boxes);
    int files = 0;
    request.inspect = [&files](const EntryInfo&) {
        ++files;
    };
    auto result = ExtractPackage(request);
    std::string problem;
    if (!result.checksumOk)
        problem = "volume " + std::to_string(result.volumes) + ": the checksum does not match";
    else if (result.cancelled)
        problem = "a volume is missing";
    else if (result.refusedNames > 0)
        problem = std::to_string(result.refusedNames) + " unsafe file name(s)";
    else if (files != static_cast<int>(info.Trailer().FilesCount))
        problem = std::to_string(files) + " files found, the trailer says " +
                  std::to_string(info.Trailer().FilesCount);
    if (!problem.empty()) {
        err << "stubpack: FAILED: " << package << ": " << problem << "\n";
        return 1;
    }
    out << "OK: " << package << ": " << files << " files in " << result.volumes << " volume(s)"
        << (result.engineEntry.empty() ? "" : ", engine " + result.engineEntry) << "\n";
    return 0;
}

int Extract(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> positional;
    bool forcePrompt = false;
    bool verbose = false;
    for (const auto& arg : args) {
        if (arg == "--force-prompt")
            forcePrompt = true;
        else if (arg == "--verbose")
            verbose = true;
        else if (arg.size() > 1 && arg[0] == '-')
            Usage("unknown option " + arg);
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2)
        Usage("extract needs PACKAGE and DEST");
    TGFileInfo info(positional[0]);
    if (!info.HasPackage()) {
        err << "stubpack: " << positional[0] << " holds no package"
            << (info.Error().empty() ? "" : ": " + info.Error()) << "\n";
        return 1;
    }
    auto boxes = ConsoleMessageBoxes::ForProcess();
    ExtractionRequest request;
    request.source = positional[0];
    request.destination = positional[1];
    request.forcePrompt = forcePrompt;
    request.charset = info.Charset();
    request.volumePrompt = info.LanguageText("s8");
    request.attentionCaption = info.LanguageText("Attention");
    request.buttons = info.LanguageText("BtnText");
    request.boxes = &boxes;
    request.wait = [](int) {
    };
    if (verbose)
        request.log = [&out](const std::string& line) {
            out << line << "\n";
        };
    auto result = ExtractPackage(request);
    if (!result.checksumOk) {
        boxes.ShowError(info.LanguageText("s7"), info.LanguageText("Error"), info.Charset(),
                        request.buttons);
        return 1;
    }
    if (result.cancelled) {
        err << "stubpack: extraction cancelled\n";
        return 1;
    }
    out << result.filesWritten << " files extracted to " << positional[1]
        << (result.engineEntry.empty() ? "" : "; engine: " + result.engineEntry) << "\n";
    return result.writeFailures > 0 || result.refusedNames > 0 ? 1 : 0;
}

} // namespace

int RunStubpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        if (args.empty())
            Usage("no command");
        const std::string& command = args[0];
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (command == "--help" || command == "-h" || command == "help") {
            out << kHelp;
            return 0;
        }
        if (command == "create") {
            auto result = WritePackage(ParseCreate(rest));
            out << "Packed " << result.files << " files into " << result.volumes.size()
                << " volume(s): " << result.volumes.front() << "\n";
            return 0;
        }
        if ((command == "list" || command == "verify") && rest.size() != 1)
            Usage(command + " needs PACKAGE");
        if (command == "list")
            return List(rest[0], out, err);
        if (command == "verify")
            return Verify(rest[0], out, err);
        if (command == "extract")
            return Extract(rest, out, err);
        if (command == "keygen")
            return Keygen(rest, out);
        if (command == "sign")
            return Sign(rest, out);
        if (command == "verify-signature")
            return VerifySignature(rest, out, err);
        Usage("unknown command " + command);
    } catch (const std::invalid_argument& e) {
        err << "stubpack: " << e.what() << "\nTry 'stubpack --help'.\n";
        return 2;
    } catch (const EZLibError& e) {
        err << "stubpack: FAILED: broken compressed data: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "stubpack: FAILED: " << e.what() << "\n";
        return 1;
    }
}

} // namespace stub
