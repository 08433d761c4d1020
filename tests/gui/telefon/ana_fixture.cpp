#include "ana_fixture.h"

namespace guitest {

using marunda::telefon::Ana;

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
