#pragma once

#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"
#include "testsupport/TempProgramFolder.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A program folder with a copy of the delivered database (PSD_TEST_USERDB), the record store on
// it, a scripted prompter and the client's message boxes over it; the shared values point at the
// folder.
class ClientFixture : public ::testing::Test {
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
    QString path(const char* name) const { return home_.path(QString::fromUtf8(name)); }
    void sql(const QString& statement) const { home_.sql(statement); }
    QStringList rows(const QString& query) const { return home_.rows(query); }
    int count(const QString& table) const { return home_.count(table); }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
    ScriptedPrompter prompter_;
    ClientMessages messages_{prompter_};
    std::unique_ptr<DBAccess> db_;
};
