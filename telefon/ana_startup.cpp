// The start-up of the program and the first page it shows.
#include "telefon/ana.h"

#include "telefon/ana_outline.h"

void Ana::startUp() {
    centreOnScreen();
    show();
    setOutline(QRegion(anaOutline()));
    if (!loadFirstPage()) {
        // First run (or files that cannot be read): make what is missing, keep what is there.
        (void)store_.createDataFiles();
    }
    password();
    if (ended_) {
        return;
    }
    showSection(1);
}

bool Ana::loadFirstPage() {
    if (!store_.enterProgramFolder()) {
        return false;
    }
    // Proves bilgi.dat readable and mends a counter that disagrees with telefon.dat.
    if (!store_.reconcile()) {
        return false;
    }
    auto record = store_.readPage(1);
    if (!record) {
        return false;
    }
    showPage(1, record.value());
    return true;
}
