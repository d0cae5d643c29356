#pragma once

#include <QString>

#include <memory>

class QSaveFile;

// The icon named in the settings dialog's icon box, put into the "ico" folder of the program
// folder. The copy is staged under a temporary name and replaces an icon of the same name only on
// commit(); an icon that already lies there is left alone, never copied onto itself.
class SysIconFile {
public:
    enum class State {
        Unchanged, // nothing to store: an empty box, or the configured icon that cannot be read
        InPlace,   // the file already lies in ico/
        Staged,    // a copy waits for commit()
        Failed,    // a chosen file that cannot be read, or ico/ that cannot be written
    };

    // chosen: the clerk picked the file in this dialog (rather than it being the configured one).
    SysIconFile(const QString& programFolder, const QString& iconFile, bool chosen);
    ~SysIconFile();
    SysIconFile(const SysIconFile&) = delete;
    SysIconFile& operator=(const SysIconFile&) = delete;

    State state() const { return state_; }
    // "ico\name", the form sys_icon is read in.
    QString sysIconText() const;
    // Puts a staged copy in place; true when there was nothing to do.
    bool commit();

private:
    void stage(const QString& source, const QString& target);

    State state_ = State::Unchanged;
    QString name_;
    std::unique_ptr<QSaveFile> copy_;
};
