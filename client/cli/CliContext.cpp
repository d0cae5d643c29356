#include "cli/CliContext.h"

#include "store/DBAccess.h"

CliContext::CliContext(QString programFolder, bool yes)
    : programFolder_(std::move(programFolder))
    , prompter_(yes) {}

CliContext::~CliContext() = default;

DBAccess& CliContext::db() {
    if (!db_)
        db_ = std::make_unique<DBAccess>(programFolder_, prompter_);
    return *db_;
}
