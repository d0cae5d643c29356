#pragma once

#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"
#include "testsupport/TempProgramFolder.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A program folder with a copy of the delivered database, a record store on it and a scripted
// prompter.
class RefFixture : public ::testing::Test {
protected:
    void SetUp() override {
        sharedConfig() = SharedConfig{};
        sharedConfig().programFolder = folder();
        db_ = std::make_unique<DBAccess>(folder(), prompter_);
    }
    void TearDown() override {
        db_.reset();
        sharedConfig() = SharedConfig{};
    }

    QString folder() const { return home_.folder(); }
    QString path(const QString& name) const { return home_.path(name); }
    void sql(const QString& statement) const { home_.sql(statement); }
    QStringList rows(const QString& query) const { return home_.rows(query); }
    int count(const QString& table) const { return home_.count(table); }

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

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
    ScriptedPrompter prompter_;
    ClientMessages messages_{prompter_};
    std::unique_ptr<DBAccess> db_;
};
