#pragma once

#include "folder_fixture.h"

#include "telefon/ana/ana.h"

#include <QObject>

#include <memory>
#include <vector>

namespace guitest {

// The main window on the test's program folder, closed before the folder is removed.
class AnaFixture : public FolderFixture {
    Q_OBJECT

protected:
    std::unique_ptr<marunda::telefon::Ana> ana_;

    // Starts the main window on the folder as it stands.
    marunda::telefon::Ana* startAna();
    // Installs `book` in the folder first.
    marunda::telefon::Ana* startAna(const std::vector<marunda::ContactRecord>& book);

protected slots:
    void cleanup();
};

} // namespace guitest
