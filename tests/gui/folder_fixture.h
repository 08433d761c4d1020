#pragma once

// The set-up the window tests share. QtTest finds initTestCase(), init() and cleanup() through
// the meta-object, so a test class inherits them; one that needs more defines its own and calls
// the inherited one from it.

#include "gui_test_support.h"

#include <QObject>

#include <memory>

namespace guitest {

// A fresh program folder for every test function, and message boxes that record instead of
// waiting for a click.
class FolderFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<ProgramFolder> folder_;

protected slots:
    void initTestCase();
    void init();
    void cleanup();
};

} // namespace guitest
