#pragma once

#include <QString>

#include <optional>
#include <vector>

class DBAccess;

// The three boxes of a password change.
enum class PasswdBox { Current, New, ReNew };

// What one attempt to change the login password came to: the message of the step that ended it,
// and for a refusal the boxes to clear and the box to focus (with its content selected or not);
// no box to focus leaves the focus where it is.
struct PasswordChangeOutcome {
    bool changed = false;
    QString message;
    std::vector<PasswdBox> cleared;
    std::optional<PasswdBox> focus;
    bool selectAll = false;
};

// Checks the current password, the new one and its repetition step by step, verifies the current
// one against logon_info and stores the new one scrambled (in every row). The first failing step
// ends the attempt; the stored password changes only when every check passed.
PasswordChangeOutcome ChangePassword(DBAccess& db, const QString& current, const QString& next,
                                     const QString& repeated);
