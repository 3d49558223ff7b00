#pragma once
// The main window on a fresh state, in a program folder of its own, asking through scripted dialogs.

#include "app/algemeen.h"
#include "app/mainwindow.h"
#include "board/geometry.h"
#include "scripteddialogs.h"
#include "testsupport.h"

#include <QPoint>
#include <memory>

// The middle of square n on the overview, in pixels of Main::Pic: where a user clicks it.
inline QPoint SquareCentre(int n)
{
    const HitRect r = OverviewHitRect(n);
    return QPoint((r.left + r.right) / 2 / 15, (r.top + r.bottom) / 2 / 15);
}

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
