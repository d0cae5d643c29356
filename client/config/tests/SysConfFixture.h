#pragma once

#include "config/GbkCodec.h"
#include "config/SharedConfig.h"
#include "config/SysConf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh program folder in a temporary directory and fresh shared values for every test.
class SysConfFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        sharedConfig() = SharedConfig{};
        sharedConfig().programFolder = dir_.path();
    }
    void TearDown() override { sharedConfig() = SharedConfig{}; }

    QString folder() const { return dir_.path() + QStringLiteral("/"); }
    QString iniPath() const { return folder() + QStringLiteral("sysConf.ini"); }

    QByteArray iniBytes() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString iniText() const { return decodeText(iniBytes(), "GB18030").value_or(QString()); }

    void writeIni(const QByteArray& bytes) const {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // A configuration file in GBK under a gb2312 declaration, holding the given root content.
    void writeRoot(const QString& rootXml) const {
        writeIni(encodeGbk(QStringLiteral("<?xml version='1.0' encoding='gb2312'?>\r\n") + rootXml)
                     .value());
    }

    QTemporaryDir dir_;
};
