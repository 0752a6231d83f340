#pragma once
// The whole program in a test: a store in a temporary folder that is the
// current directory, the seven windows created as at start, and a scripted
// user who answers every box and dialog.
#include "app/MainUnit.h"
#include "app/Startup.h"
#include "platform/ScriptedInteraction.h"
#include "tests/engine/UserDirs.h"
#include "tests/engine/TestStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class AppFixture : public ::testing::Test {
protected:
    // Tests that need rows in the store before the windows read it override this.
    virtual void fillStore() {}
    virtual bool withStore() const { return true; }

    void SetUp() override
    {
        // The launcher goes to a desktop folder of the test's own.
        nameDesktopFolder(config.path(), desktop.path());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        store = std::make_unique<TestStore>(withStore());
        if (withStore()) fillStore();
        scope = std::make_unique<platform::ScopedInteraction>(user);
        StartProgram();
        QApplication::processEvents();
    }

    void TearDown() override
    {
        MainForm->hide();
        DestroyWindows();
        scope.reset();
        store.reset();
    }

    // The product query's rows as the grid shows one column.
    QStringList column(const QString& field) const
    {
        QStringList out;
        TADOQuery& q = MainForm->ADOQuery1;
        const int col = q.fieldIndex(field);
        for (int r = 0; r < q.RecordCount(); ++r) out << q.cellText(r, col);
        return out;
    }

    QTemporaryDir config;
    QTemporaryDir desktop;
    std::unique_ptr<TestStore> store;
    platform::ScriptedInteraction user;
    std::unique_ptr<platform::ScopedInteraction> scope;
};
