#pragma once

#include <QString>

class Prompter;

// The client's message boxes: the application's title, OK and no icon; questions with OK and
// Cancel and the question icon.
class ClientMessages {
public:
    explicit ClientMessages(Prompter& prompter)
        : prompter_(prompter) {}

    void show(const QString& text);
    // True only when the clerk answers OK.
    bool confirm(const QString& text);

    Prompter& prompter() { return prompter_; }

private:
    Prompter& prompter_;
};
