#pragma once

#include <QString>

// The title of every message box of the client.
inline QString applicationTitle() {
    return QStringLiteral("澄川银行企业网上银行批量制单工具v1.2");
}
