// A close signal while a question waits: in a process of its own, since the signal stays
// noticed for the rest of the process.
#include "app/KMsgBox.h"
#include "platform/CloseRequest.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <gtest/gtest.h>

TEST(CloseSignalBox, AQuestionOpenWhenSIGTERMComesTakesItsCancelAnswer) {
    stub::WatchCloseSignals();
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    // Were the signal ignored, the box would wait for ever; Yes ends it, and the test fails.
    QTimer::singleShot(30000, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            static_cast<QDialog*>(box)->accept();
    });
    stub::QtMessageBoxes boxes;
    EXPECT_FALSE(boxes.AskYesNo("Extract now?", "Confirm", 0, ""));
    EXPECT_TRUE(stub::CloseRequested());
}
