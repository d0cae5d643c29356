#include "config/SysConfEdit.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <string>

namespace {

pugi::xml_node findElement(const pugi::xml_document& doc, int elemtId) {
    const std::string wanted = std::to_string(elemtId);
    for (const pugi::xml_node group : doc.document_element().children()) {
        for (const pugi::xml_node field : group.children()) {
            const pugi::xml_attribute id = field.attribute("id");
            if (id && wanted == id.value())
                return field;
        }
    }
    return {};
}

// An attribute keeps its place when it exists; a new one goes after the others.
void putAttribute(pugi::xml_node node, const QString& name, const QString& value) {
    const std::string key = name.toStdString();
    pugi::xml_attribute attribute = node.attribute(key.c_str());
    if (!attribute)
        attribute = node.append_attribute(key.c_str());
    attribute.set_value(value.toStdString().c_str());
}

bool isXmlName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9._-]*$)"));
    return pattern.match(name).hasMatch();
}

} // namespace

SysConfEdit::SysConfEdit(const QString& path)
    : path_(path)
    , loaded_(loadXmlFile(file_, path)) {}

QString SysConfEdit::attribute(int elemtId, const QString& name) const {
    const pugi::xml_node field = findElement(file_.doc, elemtId);
    return QString::fromUtf8(field.attribute(name.toStdString().c_str()).value());
}

bool SysConfEdit::setAttribute(int elemtId, const QString& name, const QString& value) {
    if (!isXmlName(name))
        return false;
    if (pugi::xml_node field = findElement(file_.doc, elemtId))
        putAttribute(field, name, value);
    return true;
}

QString SysConfEdit::bankName() const {
    return QString::fromUtf8(file_.doc.document_element().attribute("bank_name").value());
}

void SysConfEdit::setBankName(const QString& bankName) {
    putAttribute(file_.doc.document_element(), QStringLiteral("bank_name"), bankName);
}

void SysConfEdit::setSysIcon(const QString& sysIcon) {
    putAttribute(file_.doc.document_element(), QStringLiteral("sys_icon"), sysIcon);
}

bool SysConfEdit::save() const {
    const QFileInfo target(path_);
    if (!loaded_ || (target.exists() && !(target.permissions() & QFileDevice::WriteOwner)))
        return false;
    return saveGb2312Xml(file_.doc, path_);
}
