#pragma once

#include "telefon/about/hakkinda.h"
#include "telefon/delete/sil.h"
#include "telefon/listing/dokum.h"
#include "telefon/password/pass.h"
#include "telefon/record_form/record_form.h"
#include "telefon/search/bul.h"
#include "ui/single_window.h"

namespace marunda::telefon {

class Ana;

// The windows of the menu commands: each exists at most once, and opening it again brings the
// open one forward. Every window is constructed with the main window as its way back.
class WindowRegistry {
public:
    explicit WindowRegistry(Ana& ana)
        : ana_(ana) {}

    // Opens the window of menu command `number`; false for a command that opens none.
    bool open(int number);

private:
    Ana& ana_;
    ui::SingleWindow<RecordForm> yenitel_;
    ui::SingleWindow<Bul> bul_;
    ui::SingleWindow<RecordForm> degistir_;
    ui::SingleWindow<Sil> sil_;
    ui::SingleWindow<Hakkinda> hakkinda_;
    ui::SingleWindow<Pass> pass_;
    ui::SingleWindow<Dokum> dokum_;
};

} // namespace marunda::telefon
