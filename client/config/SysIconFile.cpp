#include "config/SysIconFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Icons are small; a larger file is not a picture the dialog accepted.
constexpr qint64 kMaxIconBytes = 16 * 1024 * 1024;

// The last part of the path, whether it separates its folders with "/" or "\".
QString fileNameOf(const QString& path) {
    return path.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
}

} // namespace

SysIconFile::SysIconFile(const QString& programFolder, const QString& iconFile, bool chosen)
    : name_(fileNameOf(iconFile)) {
    if (iconFile.isEmpty())
        return;
    const QFileInfo source(iconFile);
    if (name_.isEmpty() || name_ == QLatin1String("..") || !source.isFile()) {
        state_ = chosen ? State::Failed : State::Unchanged;
        return;
    }
    const QString target = programFolder + QStringLiteral("ico/") + name_;
    if (source.canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        state_ = State::InPlace;
        return;
    }
    stage(iconFile, target);
}

SysIconFile::~SysIconFile() = default;

void SysIconFile::stage(const QString& source, const QString& target) {
    state_ = State::Failed;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxIconBytes)
        return;
    const QByteArray bytes = in.read(kMaxIconBytes + 1);
    if (in.error() != QFileDevice::NoError || bytes.size() > kMaxIconBytes)
        return;
    if (!QDir().mkpath(QFileInfo(target).path()))
        return;
    copy_ = std::make_unique<QSaveFile>(target);
    if (!copy_->open(QIODevice::WriteOnly) || copy_->write(bytes) != bytes.size()) {
        copy_.reset();
        return;
    }
    state_ = State::Staged;
}

QString SysIconFile::sysIconText() const {
    return QStringLiteral("ico\\") + name_;
}

bool SysIconFile::commit() {
    if (state_ != State::Staged)
        return true;
    const bool done = copy_->commit();
    copy_.reset();
    state_ = done ? State::InPlace : State::Failed;
    return done;
}
