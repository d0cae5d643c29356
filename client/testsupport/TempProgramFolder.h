#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program folder in a temporary directory holding a copy of the delivered database. The copy is
// also read and written directly, beside the record store, so that tests set up rows and see what
// the code under test really stored.
class TempProgramFolder {
public:
    explicit TempProgramFolder(const QString& deliveredDatabase);

    QString folder() const { return dir_.path() + QStringLiteral("/"); }
    QString path(const QString& name) const { return folder() + name; }
    QString database() const { return path(QStringLiteral("userdb.db")); }

    void sql(const QString& statement) const;
    // Every row of a query, each as its columns' texts joined by "|" (NULL for a null).
    QStringList rows(const QString& query) const;
    int count(const QString& table) const;

private:
    QTemporaryDir dir_;
};
