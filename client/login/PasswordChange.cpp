#include "login/PasswordChange.h"

#include "login/Password.h"
#include "store/DBAccess.h"

namespace {

PasswordChangeOutcome refuse(const char* message, std::vector<PasswdBox> cleared,
                             std::optional<PasswdBox> focus, bool selectAll = false) {
    return {false, QString::fromUtf8(message), std::move(cleared), focus, selectAll};
}

} // namespace

PasswordChangeOutcome ChangePassword(DBAccess& db, const QString& current, const QString& next,
                                     const QString& repeated) {
    using enum PasswdBox;
    if (current.isEmpty())
        return refuse("请输入当前登录密码", {}, Current);
    if (!IsPasswordText(current))
        return refuse("当前密码中存在非数字与字母,请重新输入", {Current}, Current);
    if (next.isEmpty())
        return refuse("请输入新登录密码", {}, New, true);
    if (!IsPasswordText(next))
        return refuse("新登录中存在非数字与字母,请重新输入", {New, ReNew}, New);
    if (repeated.isEmpty())
        return refuse("请输入确认新登录密码", {}, ReNew);
    if (next != repeated)
        return refuse("两次新登录密码不一致，请重新输入新密码", {ReNew}, ReNew);
    if (next == current)
        return refuse("新密码与当前登录密码一致，请重新输入新密码", {ReNew, New}, New);
    const auto found = db.Query(QStringLiteral("select passwd from logon_info where passwd=?"),
                                {ScramblePassword(current)});
    if (!found || found->rowCount() == 0)
        return refuse("当前密码错误，请从新输入当前登录密码", {}, Current, true);
    if (!db.Update(QStringLiteral("update logon_info set passwd=?"), {ScramblePassword(next)}))
        return refuse("修改密码失败", {}, std::nullopt);
    return {true, QStringLiteral("密码修改成功"), {}, std::nullopt, false};
}
