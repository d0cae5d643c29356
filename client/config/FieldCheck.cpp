#include "config/FieldCheck.h"

#include "config/AppTitle.h"
#include "config/FieldControl.h"
#include "config/SharedConfig.h"
#include "store/Prompter.h"

#include <QRegularExpression>

#include <charconv>
#include <optional>

namespace {

// One number of a length rule ("5", "12,15", "10-20"), 0 to 32767; nothing for any other text.
std::optional<int> lengthNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 32767)
        return std::nullopt;
    return value;
}

qsizetype characterCount(const QString& text) {
    return text.trimmed().toUcs4().size();
}

const FieldRuleEntry& ruleOf(int id) {
    static const FieldRuleEntry none;
    if (id < 1 || id > kFieldRuleCount)
        return none;
    return sharedConfig().FieldRule[id];
}

bool fail(Prompter& prompter, const QString& text) {
    prompter.message(applicationTitle(), text);
    return false;
}

} // namespace

bool HasValue(const FieldControl& control, bool notNull) {
    if (!notNull)
        return true;
    return !control.text().trimmed().isEmpty() || control.selectedIndex() >= 1;
}

bool IsNumberText(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(?:[0-9]+(?:,[0-9]+)*(?:\\.[0-9]*)?|\\.[0-9]+)$"));
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && number.match(trimmed).hasMatch();
}

bool IsAccountText(const QString& text) {
    return IsNumberText(text) && !text.contains(u'.');
}

bool CheckLengthSpec(const QString& text, const QString& lengths, bool exact) {
    const qsizetype n = characterCount(text);
    if (!exact) {
        const std::optional<int> maximum = lengthNumber(lengths);
        return maximum && n <= *maximum;
    }
    const QStringList commaParts = lengths.split(u',');
    const QStringList dashParts = lengths.split(u'-');
    if (commaParts.size() == 1 && dashParts.size() == 1) {
        const std::optional<int> length = lengthNumber(lengths);
        return length && n == *length;
    }
    if (commaParts.size() == 1 && dashParts.size() == 2) {
        const std::optional<int> lowest = lengthNumber(dashParts[0]);
        const std::optional<int> highest = lengthNumber(dashParts[1]);
        return lowest && highest && *lowest <= n && n <= *highest;
    }
    if (dashParts.size() == 1) {
        QList<int> lengths;
        for (const QString& part : commaParts) {
            const std::optional<int> length = lengthNumber(part);
            if (!length)
                return false;
            lengths << *length;
        }
        return lengths.contains(n);
    }
    return false;
}

bool InRange(const QString& text, double minimum, double maximum) {
    if (!IsNumberText(text))
        return false;
    bool ok = false;
    const double value = text.trimmed().remove(u',').toDouble(&ok);
    return ok && minimum <= value && value <= maximum;
}

bool CheckTextLength(const QString& text, double minimum, double maximum) {
    const auto n = static_cast<double>(characterCount(text));
    return minimum <= n && n <= maximum;
}

QString shortestNumberText(double value) {
    char buffer[64];
    const auto scientific =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, scientific.ptr);
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos) // inf or nan
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    exponent);
    if (exponent < -4 || exponent >= 15)
        return QString::fromLatin1(text.data(), qsizetype(text.size())).toUpper();
    const auto fixed =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, fixed.ptr - buffer);
}

bool CheckField(FieldControl& control, int id, bool checkWanted, bool visible, Prompter& prompter) {
    if (!checkWanted || !visible)
        return true;
    const FieldRuleEntry& rule = ruleOf(id);
    const QString text = control.text();
    if (text.isEmpty() && !rule.not_null)
        return true;
    if (!HasValue(control, rule.not_null))
        return fail(prompter, rule.field_name + QStringLiteral("不能为空，请重新输入。"));
    if (rule.is_account) {
        if (!IsAccountText(text)) {
            prompter.message(applicationTitle(),
                             rule.field_name + QStringLiteral("输入错误，请输入正确的帐号。"));
            control.setFocus();
            control.selectAll();
            return false;
        }
        if (!CheckLengthSpec(text, rule.length, true))
            return fail(prompter, rule.field_name +
                                      QStringLiteral("输入错误，请输入正确的帐号,帐号位数为") +
                                      rule.length + QStringLiteral("。"));
    } else if (rule.is_numric) {
        if (!IsNumberText(text))
            return fail(prompter, rule.field_name + QStringLiteral("输入错误，请输入正确的数值。"));
        if (!CheckLengthSpec(text, rule.length, false))
            return fail(prompter, rule.field_name +
                                      QStringLiteral("输入错误，请输入正确的数值,最大位数为") +
                                      rule.length + QStringLiteral("。"));
        if (!InRange(text, rule.min_value, rule.max_value))
            return fail(prompter,
                        rule.field_name + QStringLiteral("输入错误，请输入正确的数值,数据最大为") +
                            shortestNumberText(rule.max_value) + QStringLiteral(",最小为") +
                            shortestNumberText(rule.min_value) + QStringLiteral("。"));
    }
    if (rule.is_check_str_length && !CheckTextLength(text, rule.min_value, rule.max_value))
        return fail(prompter, rule.field_name + QStringLiteral("输入错误，最大长度为") +
                                  shortestNumberText(rule.max_value) + QStringLiteral("。"));
    return true;
}

bool CheckField(FieldControl& control, int id, Prompter& prompter) {
    return CheckField(control, id, true, control.isVisible() && control.isEnabled(), prompter);
}
