#pragma once

#include "testsupport/ClientFixture.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

// The client fixture with the reference lists' files at hand.
class RefFixture : public ClientFixture {
protected:
    static QByteArray bytes(const QString& file) {
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
        return in.readAll();
    }
    static QByteArray fixture(const char* name) {
        return bytes(QStringLiteral(PSD_REFDATA_FIXTURES "/") + QLatin1String(name));
    }
    void writeFile(const QString& name, const QByteArray& content) const {
        QFile out(path(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    // A field rule that refuses an empty box.
    static void requireField(int id, const QString& caption) {
        sharedConfig().FieldRule[static_cast<size_t>(id)].field_name = caption;
        sharedConfig().FieldRule[static_cast<size_t>(id)].not_null = true;
    }
};
