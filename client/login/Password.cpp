#include "login/Password.h"

#include "login/ScrambleRandom.h"
#include "store/DBAccess.h"

#include <cmath>
#include <cstdint>

namespace {

bool isPasswordChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// Each product is taken as a 32-bit whole number, so wide characters wrap instead of overflowing.
std::int32_t seedOf(const QString& password) {
    std::uint32_t h = 0;
    unsigned a = 0;
    unsigned b = 0;
    for (const QChar c : password) {
        const std::uint32_t code = c.unicode();
        h ^= (code << a) ^ (code << b);
        a = (a + 7) % 19;
        b = (b + 13) % 23;
    }
    return static_cast<std::int32_t>(h);
}

} // namespace

bool IsPasswordText(const QString& text) {
    if (text.isEmpty() || text.size() > 8)
        return false;
    for (const QChar c : text) {
        if (!isPasswordChar(c))
            return false;
    }
    return true;
}

QString ScramblePassword(const QString& password) {
    ScrambleRandom random;
    random.resetToMinusOne();
    random.randomize(static_cast<double>(seedOf(password)));
    QString scrambled;
    for (const QChar c : password) {
        const int code = c.unicode();
        if (code < 32 || code > 126)
            continue;
        const int shift = static_cast<int>(std::floor(random.next() * 96.0));
        scrambled += QChar(((code - 32) + shift) % 95 + 32);
    }
    return scrambled;
}

LoginResult CheckLogin(DBAccess& db, const QString& password) {
    if (password.isEmpty())
        return LoginResult::Empty;
    if (!IsPasswordText(password))
        return LoginResult::BreaksRule;
    const auto rows = db.Query(QStringLiteral("select * from logon_info where passwd=?"),
                               {ScramblePassword(password)});
    return rows && rows->rowCount() > 0 ? LoginResult::Accepted : LoginResult::NoMatch;
}

LoginMessage loginMessage(LoginResult refusal) {
    switch (refusal) {
    case LoginResult::Empty:
        return {QStringLiteral("Error"), QStringLiteral("请输入密码!"), MsgIcon::Warning};
    case LoginResult::BreaksRule:
        return {QStringLiteral("Error"), QStringLiteral("密码输入错误"), MsgIcon::Warning};
    case LoginResult::NoMatch:
    case LoginResult::Accepted:
        break;
    }
    return {QStringLiteral("登录"), QStringLiteral("无效的登录密码，请重试!"), MsgIcon::None};
}
