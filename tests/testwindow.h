#pragma once
// The main window on a fresh state, in a program folder of its own, asking through scripted dialogs.

#include "app/algemeen.h"
#include "app/mainwindow.h"
#include "scripteddialogs.h"
#include "testsupport.h"

#include <memory>

struct TestWindow {
    ProgramFolder folder;
    Algemeen state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Main> main;
    explicit TestWindow(bool withData = true) : folder(withData)
    {
        state.Paths = folder.path();
        main = std::make_unique<Main>(state, dialogs);
    }
};
