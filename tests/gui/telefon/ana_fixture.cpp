#include "ana_fixture.h"

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

Ana* AnaFixture::startAna() {
    ana_ = std::make_unique<Ana>(folder_->store());
    ana_->startUp();
    return ana_.get();
}

Ana* AnaFixture::startAna(const std::vector<marunda::ContactRecord>& book) {
    folder_->writeBook(book);
    return startAna();
}

void AnaFixture::cleanup() {
    ana_.reset();
    FolderFixture::cleanup();
}

} // namespace guitest
