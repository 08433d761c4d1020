#pragma once

#include <QWidget>

#include <filesystem>
#include <memory>

namespace marunda::kur {

class Form1;
class Form3;

// Kur's windows from its start: the installation window, and the maintenance choice when 1.7
// is installed already.
struct Windows {
    std::unique_ptr<Form1> form1;
    std::unique_ptr<Form3> form3; // only when 1.7 is installed
};

// Makes Kur's windows and shows the one its start calls for: Form3 when the installation log
// can be read, Form1 otherwise.
Windows start(const std::filesystem::path& medium, const std::filesystem::path& installer);

} // namespace marunda::kur
