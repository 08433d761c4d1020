#include "folder_fixture.h"

#include "ui/message_box.h"

namespace guitest {

using marunda::ui::MessageBox;

void FolderFixture::initTestCase() {
    MessageBox::setTestMode(true);
}

void FolderFixture::init() {
    folder_ = std::make_unique<ProgramFolder>();
    MessageBox::clearShown();
}

void FolderFixture::cleanup() {
    folder_.reset();
}

} // namespace guitest
