#include "platform/platform.h"
#include "run_key_reader.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <sddl.h>

namespace fs = std::filesystem;

namespace {

// Denies setting values in the machine's Run key while it lives, where the system enforces it.
class MachineRunKeyDenied {
public:
    MachineRunKeyDenied() {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, runKey, 0, READ_CONTROL | WRITE_DAC, &key_) !=
            ERROR_SUCCESS) {
            return;
        }
        DWORD size = 0;
        RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, nullptr, &size);
        saved_.resize(size);
        if (RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data(), &size) !=
            ERROR_SUCCESS) {
            saved_.clear();
            return;
        }
        PSECURITY_DESCRIPTOR denying = nullptr;
        // Everyone: no setting of values (0x2), everything else allowed.
        if (ConvertStringSecurityDescriptorToSecurityDescriptorW(
                L"D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1, &denying, nullptr)) {
            RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, denying);
            LocalFree(denying);
        }
    }
    ~MachineRunKeyDenied() {
        if (!saved_.empty()) {
            RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data());
        }
        if (key_) {
            RegCloseKey(key_);
        }
    }
    MachineRunKeyDenied(const MachineRunKeyDenied&) = delete;
    MachineRunKeyDenied& operator=(const MachineRunKeyDenied&) = delete;

    // Whether a writer is really refused now.
    static bool enforced() {
        HKEY key;
        LSTATUS status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, runKey, 0, KEY_SET_VALUE, &key);
        if (status == ERROR_SUCCESS) {
            RegCloseKey(key);
        }
        return status == ERROR_ACCESS_DENIED;
    }

private:
    HKEY key_ = nullptr;
    std::vector<BYTE> saved_;
};

std::string uniqueName() {
    return "Zilora-test-" + std::to_string(std::random_device()() % 1000000);
}

} // namespace

// One test for both keys: while the machine's key is denied, no other test may expect to write it.
TEST(LogonEntry, IsAQuotedRunValueOfTheMachineOrElseOfTheUser) {
    const std::string name = uniqueName();
    const fs::path program = fs::path(u8"C:\\Kurulum, Işık\\Zilora.exe");
    const std::wstring quoted = L"\"" + program.wstring() + L"\"";
    ASSERT_TRUE(marunda::platform::setLogonEntry(name, program));
    EXPECT_EQ(runValue(HKEY_LOCAL_MACHINE, name), quoted);
    EXPECT_EQ(runValue(HKEY_CURRENT_USER, name), L"");
    ASSERT_TRUE(marunda::platform::removeLogonEntry(name));
    EXPECT_EQ(runValue(HKEY_LOCAL_MACHINE, name), L"");
    EXPECT_TRUE(marunda::platform::removeLogonEntry(name)) << "gone is no error";

    MachineRunKeyDenied denied;
    if (!MachineRunKeyDenied::enforced()) {
        GTEST_SKIP() << "this system lets every writer into the machine's Run key";
    }
    ASSERT_TRUE(marunda::platform::setLogonEntry(name, program));
    EXPECT_EQ(runValue(HKEY_LOCAL_MACHINE, name), L"");
    EXPECT_EQ(runValue(HKEY_CURRENT_USER, name), quoted);
    EXPECT_TRUE(marunda::platform::removeLogonEntry(name));
    EXPECT_EQ(runValue(HKEY_CURRENT_USER, name), L"");
}
