#include "config/SysConf.h"

#include "config/SharedConfig.h"
#include "config/SysConfEdit.h"
#include "config/XmlFile.h"

#include <QDir>

#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

struct DefaultField {
    const char* element;
    const char* fieldName;
    const char* id;
    const char* objType;
};

struct DefaultGroup {
    const char* element;
    const char* function;
    std::initializer_list<DefaultField> fields;
};

const std::initializer_list<DefaultGroup> kDefaultGroups = {
    {"PatchPayFile",
     "批量支付文件",
     {{"GatherAccountNo", "收款帐号", "1", "combox"},
      {"GatherAccountName", "帐户户名", "2", "combox"},
      {"GatherAccountNetNo", "收款帐开户网点号", "3", "text"},
      {"GatherAccountAreaCode", "收款帐户地区号", "4", "text"},
      {"GatherAccountLinkNo", "收款方联行号", "5", "text"},
      {"PaySum", "付款金额", "6", "text"},
      {"PatchPayFileRemark", "备注", "7", "combox"}}},
    {"SubSalaryFile",
     "代发工资/代报销文件",
     {{"PayeeName", "收款人名称", "8", "combox"},
      {"PayeeAccountNo", "收款人帐号", "9", "combox"},
      {"Sum", "金额", "10", "text"},
      {"SubSalaryFileRemark", "备注", "11", "combox"}}},
    {"PayAccountMana",
     "付款账户维护",
     {{"PayAccountNo", "付款帐号", "12", "text"},
      {"PayeeAccountName", "付款账户户名", "13", "text"}}},
    {"GatherAccountMana",
     "收款帐户维护",
     {{"GatherAccountNo", "收款帐号", "14", "text"},
      {"GatherAccountName", "帐户户名", "15", "text"},
      {"GatherAccountNetNo", "收款帐户开户网点号", "16", "text"}}},
    {"SubSalaRollMana",
     "代发工资/代报销名册维护",
     {{"PerAccountNo", "个人帐号", "17", "text"},
      {"PerAccountName", "户名", "18", "text"},
      {"CertificateNo", "证件号码", "19", "text"}}},
    {"RemarkMana", "备注维护", {{"RemarkName", "汇款备注名称", "20", "text"}}},
    {"ccAddNewItemsMana",
     "澄川银行",
     {{"payeeBankName", "收款银行名称", "21", "text"},
      {"sameCityLiquidateNo", "同城清算行号", "22", "text"},
      {"payeeCity", "城市", "23", "text"},
      {"presentPayBankNo", "现代支付行号", "24", "text"}}},
};

QString attr(const pugi::xml_node& node, const char* name) {
    return QString::fromUtf8(node.attribute(name).value());
}

bool flag(const pugi::xml_node& node, const char* name) {
    return attr(node, name) == QLatin1String("1");
}

// A number attribute that is missing, empty or not a finite number reads as the default.
double number(const pugi::xml_node& node, const char* name, double fallback) {
    bool ok = false;
    const double value = attr(node, name).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

std::optional<int> fieldId(const pugi::xml_node& node) {
    bool ok = false;
    const int id = attr(node, "id").trimmed().toInt(&ok, 10);
    if (!ok || id < 1 || id > kFieldRuleCount)
        return std::nullopt;
    return id;
}

FieldRuleEntry readRule(const pugi::xml_node& field) {
    FieldRuleEntry rule;
    rule.field_name = attr(field, "field_name");
    rule.can_edit = flag(field, "can_edit");
    rule.not_null = flag(field, "not_null");
    rule.is_account = flag(field, "is_account");
    rule.is_numric = flag(field, "is_numric");
    rule.length = attr(field, "length");
    if (rule.length.isEmpty())
        rule.length = QStringLiteral("10000");
    rule.min_value = number(field, "min_value", 0);
    rule.max_value = number(field, "max_value", 1e308);
    rule.is_check_str_length = flag(field, "is_check_str_length");
    return rule;
}

// "folder\file" below the program folder. The stored text separates its last two parts with a
// backslash; the folder part may itself be a whole path, of which only the last name counts.
void applySysIcon(SharedConfig& config, const QString& sysIcon) {
    const QStringList parts = sysIcon.split(QLatin1Char('\\'));
    if (parts.size() < 2)
        return;
    const QString folder = parts[parts.size() - 2].section(QLatin1Char('/'), -1);
    config.iconPath = config.programFolder + folder + QLatin1Char('/') + parts.last();
}

} // namespace

SysConf::SysConf() {
    SharedConfig& config = sharedConfig();
    if (config.programFolder.isEmpty())
        config.programFolder = QDir::currentPath();
    if (!config.programFolder.endsWith(QLatin1Char('/')))
        config.programFolder += QLatin1Char('/');
    folder_ = config.programFolder;
    if (!LoadValues())
        setValues();
}

bool SysConf::LoadValues() {
    XmlFileDocument file;
    if (!loadXmlFile(file, filePath()))
        return false;
    const pugi::xml_node root = file.doc.document_element();
    SharedConfig& config = sharedConfig();
    config.bankName = attr(root, "bank_name");
    applySysIcon(config, attr(root, "sys_icon"));
    config.FieldRule = {};
    for (const pugi::xml_node group : root.children()) {
        for (const pugi::xml_node field : group.children()) {
            if (!attr(field, "for").trimmed().isEmpty())
                continue;
            if (!field.attribute("field_name") ||
                attr(field, "field_name") == QLatin1String("Null"))
                continue;
            if (const std::optional<int> id = fieldId(field))
                config.FieldRule[static_cast<size_t>(*id)] = readRule(field);
        }
    }
    return true;
}

bool SysConf::setValues() {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("SysConf");
    root.append_attribute("bank_name") = "";
    root.append_attribute("sys_icon") = "";
    for (const DefaultGroup& group : kDefaultGroups) {
        pugi::xml_node groupNode = root.append_child(group.element);
        groupNode.append_child("FunctionName").append_attribute("for") = group.function;
        for (const DefaultField& field : group.fields) {
            pugi::xml_node fieldNode = groupNode.append_child(field.element);
            fieldNode.append_attribute("field_name") = field.fieldName;
            fieldNode.append_attribute("id") = field.id;
            fieldNode.append_attribute("obj_type") = field.objType;
        }
    }
    return saveGb2312Xml(doc, filePath());
}

bool SysConf::setAttrib2Elemt(int elemtId, const QString& attriName, const QString& value) {
    SysConfEdit edit(filePath());
    return edit.isLoaded() && edit.setAttribute(elemtId, attriName, value) && edit.save();
}

QString SysConf::getAttribOfElemt(int elemtId, const QString& attriName) const {
    return SysConfEdit(filePath()).attribute(elemtId, attriName);
}

bool SysConf::setBankName(const QString& my_BankName) {
    SysConfEdit edit(filePath());
    edit.setBankName(my_BankName);
    return edit.save();
}

bool SysConf::setSysIcon(const QString& my_Sys_Icno) {
    SysConfEdit edit(filePath());
    edit.setSysIcon(my_Sys_Icno);
    return edit.save();
}
