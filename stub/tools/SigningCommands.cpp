#include "tools/SigningCommands.h"

#include "platform/FileSystem.h"
#include "signing/Keys.h"
#include "signing/Signature.h"
#include "signing/SigningError.h"
#include "tools/Passphrase.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace stub {

namespace {

constexpr std::uintmax_t kLargestKeyFile = 64 * 1024;

struct Arguments {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::vector<std::string> positional;
};

Arguments Parse(const std::string& command, const std::vector<std::string>& args,
                const std::set<std::string>& valueOptions,
                const std::set<std::string>& flagOptions) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (valueOptions.count(arg)) {
            if (++i >= args.size())
                throw std::invalid_argument(arg + " needs a value");
            parsed.values[arg] = args[i];
        } else if (flagOptions.count(arg)) {
            parsed.flags.insert(arg);
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw std::invalid_argument("unknown option " + arg + " of " + command);
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

const std::string& Required(const Arguments& parsed, const std::string& option,
                            const std::string& usage) {
    auto found = parsed.values.find(option);
    if (found == parsed.values.end())
        throw std::invalid_argument(usage);
    return found->second;
}

std::string ReadKeyFile(const std::string& path) {
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (ec)
        throw std::runtime_error("cannot read " + path + ": " + ec.message());
    if (size > kLargestKeyFile)
        throw std::runtime_error(path + " is too large for a key or signature");
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(text.size())))
        throw std::runtime_error("cannot read " + path + ": " + std::strerror(errno));
    return text;
}

// Writes through a temporary file beside `path`, so a failed run leaves the old file or none.
void WriteWhole(const std::string& path, const std::string& text, mode_t mode) {
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
    bool written = fchmod(fd, ModeAfterUmask(mode)) == 0 &&
                   write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
                   fsync(fd) == 0;
    int error = errno;
    written = close(fd) == 0 && written;
    if (!written || rename(temp.c_str(), path.c_str()) != 0) {
        error = written ? errno : error;
        unlink(temp.c_str());
        throw std::runtime_error("cannot write " + path + ": " + std::strerror(error));
    }
}

} // namespace

int Keygen(const std::vector<std::string>& args, std::ostream& out) {
    const std::string usage = "keygen needs -p PUBKEY -s SECKEY";
    auto parsed = Parse("keygen", args, {"-p", "-s"}, {"-W", "-f"});
    const std::string& publicPath = Required(parsed, "-p", usage);
    const std::string& secretPath = Required(parsed, "-s", usage);
    if (!parsed.positional.empty())
        throw std::invalid_argument("keygen takes no file: " + parsed.positional[0]);
    if (!parsed.flags.count("-f"))
        for (const auto& path : {secretPath, publicPath})
            if (std::filesystem::exists(path))
                throw std::runtime_error(path + " already exists; -f replaces it");
    std::optional<std::string> passphrase;
    if (!parsed.flags.count("-W")) {
        passphrase = ReadPassphrase(true);
        if (passphrase->empty())
            throw std::runtime_error("an empty passphrase protects nothing; -W stores the secret "
                                     "key without one");
    }
    SecretKey key = GenerateKey();
    WriteWhole(secretPath, SecretKeyFileText(key, passphrase), 0600);
    WriteWhole(publicPath, PublicKeyFileText(key.Public()), 0644);
    out << "The secret key is in " << secretPath << "; keep it secret"
        << (passphrase ? "" : " (it has no passphrase)") << ".\n"
        << "The public key is in " << publicPath << " (key id " << KeyIdText(key.id)
        << "): give it to stubpack create --update-key, and to whoever checks your files.\n";
    return 0;
}

int Sign(const std::vector<std::string>& args, std::ostream& out) {
    auto parsed = Parse("sign", args, {"-s", "-t"}, {});
    const std::string& secretPath = Required(parsed, "-s", "sign needs -s SECKEY FILE");
    if (parsed.positional.size() != 1)
        throw std::invalid_argument("sign needs -s SECKEY FILE");
    const std::string& file = parsed.positional[0];
    std::string secretText = ReadKeyFile(secretPath);
    std::string passphrase = SecretKeyIsEncrypted(secretText) ? ReadPassphrase(false) : "";
    SecretKey key = ReadSecretKey(secretText, passphrase);
    auto comment = parsed.values.find("-t");
    std::string signature = SignFile(
        key, file, comment == parsed.values.end() ? DefaultTrustedComment(file) : comment->second);
    WriteWhole(file + ".minisig", signature, 0644);
    out << "The signature is in " << file << ".minisig\n";
    return 0;
}

int VerifySignature(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string usage = "verify-signature needs -p PUBKEY FILE";
    auto parsed = Parse("verify-signature", args, {"-p", "-x"}, {});
    const std::string& publicPath = Required(parsed, "-p", usage);
    if (parsed.positional.size() != 1)
        throw std::invalid_argument(usage);
    const std::string& file = parsed.positional[0];
    auto given = parsed.values.find("-x");
    const std::string signaturePath =
        given == parsed.values.end() ? file + ".minisig" : given->second;
    try {
        PublicKey key = ReadPublicKey(ReadKeyFile(publicPath));
        std::string trusted = VerifyFile(key, file, ReadKeyFile(signaturePath));
        out << "OK: " << file << ": signed by key " << KeyIdText(key.id) << "\n"
            << "Trusted comment: " << trusted << "\n";
        return 0;
    } catch (const std::runtime_error& e) {
        err << "stubpack: FAILED: " << file << ": " << e.what() << "\n";
        return 1;
    }
}

std::string PublicKeyLineOf(const std::string& path) {
    try {
        return PublicKeyLine(ReadPublicKey(ReadKeyFile(path)));
    } catch (const SigningError& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

} // namespace stub
