#pragma once

#include "store/Prompter.h"

#include <QString>

class DBAccess;

// A login password: 1 to 8 characters, each an ASCII digit or letter.
bool IsPasswordText(const QString& text);

// The form in which the database holds a password: deterministic, printable ASCII, one
// character per character from 32 to 126 (others are dropped).
QString ScramblePassword(const QString& password);

// The outcome of a login attempt; only a password that passes the rule reaches the database.
enum class LoginResult { Empty, BreaksRule, NoMatch, Accepted };

// Looks the scrambled form up in logon_info. A failed query counts as no match (the store has
// shown its "SQL error" box).
LoginResult CheckLogin(DBAccess& db, const QString& password);

// The box a refused login shows.
struct LoginMessage {
    QString title;
    QString text;
    MsgIcon icon;
};
LoginMessage loginMessage(LoginResult refusal);
