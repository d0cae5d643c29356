#include "files/FileChoosers.h"

#include "files/ClientMessages.h"
#include "store/Prompter.h"

#include <QFileInfo>

QString fileChooserFilter(const QString& extension) {
    const QString upper = extension.toUpper();
    return upper + QStringLiteral(" (*.") + upper + QStringLiteral(" *.") + extension.toLower() +
           QStringLiteral(")");
}

QString getSaveFileName(ClientMessages& messages, const QString& extension) {
    QString path = messages.prompter().saveFileName(QStringLiteral("另存为"),
                                                    fileChooserFilter(extension), QString());
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        if (!path.endsWith(u'.'))
            path += u'.';
        path += extension.toLower();
    }
    return confirmOverwrite(messages, path);
}

QString confirmOverwrite(ClientMessages& messages, const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return path;
    return messages.confirm(QStringLiteral("该文件名已经存在，是否覆盖原有文件?")) ? path
                                                                                   : QString();
}

QString getOpenFileName(ClientMessages& messages, const QString& extension) {
    return messages.prompter().openFileName(QStringLiteral("打开"), fileChooserFilter(extension),
                                            QString());
}
