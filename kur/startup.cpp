#include "kur/startup.h"

#include "installer/removal.h"
#include "kur/form1.h"
#include "kur/form3.h"

namespace marunda::kur {

Windows start(const std::filesystem::path& medium, const std::filesystem::path& installer) {
    Windows windows;
    windows.form1 = std::make_unique<Form1>(medium, installer);
    if (installer::installedFolder().stop == installer::RemovalStop::none) {
        windows.form3 = std::make_unique<Form3>(windows.form1.get());
        windows.form3->show();
    } else {
        windows.form1->show();
    }
    return windows;
}

} // namespace marunda::kur
