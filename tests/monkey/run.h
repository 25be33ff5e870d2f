#pragma once

#include <QString>

namespace monkey {

struct RunOptions
{
    quint64 seed = 1;
    int actions = 0;
    QString locale;
    QString logPath;    // each action is written here before it is carried out
    QString replayPath; // actions to replay instead of generated ones
    QString scratch;    // a folder for the saved sheets
};

// The monkey inside the program's process (QApplication exists): acts, checks, logs. Prints
// "monkey: FAILED at action N: ..." and returns 3 when an invariant fails, else prints its
// figures and returns 0.
int runMonkey(const RunOptions &options);

} // namespace monkey
