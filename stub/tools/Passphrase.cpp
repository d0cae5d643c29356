#include "tools/Passphrase.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <termios.h>

namespace stub {

namespace {

std::string AskWithoutEcho(std::FILE* tty, const char* prompt) {
    std::fputs(prompt, tty);
    std::fflush(tty);
    termios saved{};
    bool quiet = tcgetattr(fileno(tty), &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(fileno(tty), TCSAFLUSH, &silent);
    }
    std::string line;
    for (int c; (c = std::fgetc(tty)) != EOF && c != '\n';)
        line += static_cast<char>(c);
    if (quiet)
        tcsetattr(fileno(tty), TCSAFLUSH, &saved);
    std::fputs("\n", tty);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace

std::string ReadPassphrase(bool confirm) {
    if (const char* given = std::getenv(kPassphraseVariable))
        return given;
    std::FILE* tty = std::fopen("/dev/tty", "r+");
    if (!tty)
        throw std::runtime_error(std::string("no terminal to ask for the passphrase; set ") +
                                 kPassphraseVariable);
    std::string passphrase = AskWithoutEcho(tty, "Passphrase: ");
    bool same = !confirm || AskWithoutEcho(tty, "Passphrase (again): ") == passphrase;
    std::fclose(tty);
    if (!same)
        throw std::runtime_error("the passphrases differ");
    return passphrase;
}

} // namespace stub
