#include "common/file_io.h"
#include "converter/conversion.h"
#include "converter/installation_conversion.h"
#include "converter_test_support.h"
#include "platform.h"

#include <gtest/gtest.h>

using namespace marunda;
using namespace marunda::converter;

namespace {

struct Files {
    std::string telefon, bilgi, original;
};

void expectFiles(const TempFolder& dir, const Files& files) {
    EXPECT_EQ(dir.read("telefon.dat"), files.telefon);
    EXPECT_EQ(dir.read("bilgi.dat"), files.bilgi);
    EXPECT_EQ(dir.read("telefon_16.dat"), files.original);
    EXPECT_FALSE(dir.exists("telefon.tmp"));
}

} // namespace

TEST(Conversion, ConvertsA16BookAndKeepsItsOriginal) {
    struct Case {
        const char* what;
        std::string bilgi, telefon; // before
        Files after;
    };
    const Case cases[] = {
        {"three records",
         "4,\"16\"\r\n",
         book16(1, 3),
         {book17(1, 3), "4,\"17\"\r\n", book16(1, 3)}},
        {"bilgi.dat holding only its counter",
         "4\r\n",
         book16(1, 3),
         {book17(1, 3), "4,\"17\"\r\n", book16(1, 3)}},
        {"an empty book", "1\r\n", "", {"", "1,\"17\"\r\n", ""}},
        {"records beyond counter - 1 stay in the original",
         "3\r\n",
         book16(1, 5),
         {book17(1, 2), "3,\"17\"\r\n", book16(1, 5)}},
        {"a counter beyond the records",
         "10,\"16\"\r\n",
         book16(1, 2),
         {book17(1, 2), "3,\"17\"\r\n", book16(1, 2)}},
        {"a torn last record",
         "4\r\n",
         book16(1, 2) + "Yar",
         {book17(1, 2) + std::string(ContactRecord16::fromBytes("Yar").toContactRecord().bytes()),
          "4,\"17\"\r\n", book16(1, 2) + "Yar"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation16 setup;
        setup.files(c.bilgi, c.telefon);
        auto outcome = convertInstallation(setup.windows.path());
        ASSERT_TRUE(outcome) << outcome.error().detail;
        EXPECT_EQ(outcome.value(), Outcome::converted);
        expectFiles(setup.book, c.after);
        EXPECT_TRUE(setup.windows.exists(std::string(kLog16)));

        // The second run finds the marker and touches nothing.
        EXPECT_EQ(convertInstallation(setup.windows.path()).value(), Outcome::alreadyConverted);
        expectFiles(setup.book, c.after);
    }
}

TEST(Conversion, NeverConvertsA17Book) {
    struct Case {
        const char* what;
        std::string bilgi, telefon;
    };
    const Case cases[] = {
        {"marked", "4,\"17\"\r\n", book17(1, 3)},
        {"marked, whatever its length", "4,\"17\"\r\n", book16(1, 3)},
        {"marker lost, 1020-byte records for the counter", "4\r\n", book17(1, 3)},
        {"marker lost, with another second item", "3,\"16\"\r\n", book17(1, 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation16 setup;
        setup.files(c.bilgi, c.telefon);
        EXPECT_EQ(convertInstallation(setup.windows.path()).value(), Outcome::alreadyConverted);
        EXPECT_EQ(setup.book.read("telefon.dat"), c.telefon);
        EXPECT_EQ(setup.book.read("bilgi.dat"), c.bilgi);
        EXPECT_FALSE(setup.book.exists("telefon_16.dat"));
    }
}

TEST(Conversion, FailsWithoutTouchingAnything) {
    struct Case {
        const char* what;
        void (*spoil)(Installation16&);
    };
    const Case cases[] = {
        {"no log",
         [](Installation16& s) {
             (void)removeFile(s.windows / "Marunda_16.log");
         }},
        {"an empty log",
         [](Installation16& s) {
             s.windows.write("Marunda_16.log", "\r\n");
         }},
        {"the log names a missing folder",
         [](Installation16& s) {
             s.log(s.book / "yok");
         }},
        {"no bilgi.dat",
         [](Installation16& s) {
             (void)removeFile(s.book / "bilgi.dat");
         }},
        {"bilgi.dat without a counter",
         [](Installation16& s) {
             s.book.write("bilgi.dat", "x\r\n");
         }},
        {"a counter below 1",
         [](Installation16& s) {
             s.book.write("bilgi.dat", "0\r\n");
         }},
        {"a read-only telefon.dat",
         [](Installation16& s) {
             std::filesystem::permissions(s.book / "telefon.dat",
                                          std::filesystem::perms::owner_read);
         }},
        {"the original of another book",
         [](Installation16& s) {
             s.book.write("telefon_16.dat", book16(7, 8));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation16 setup;
        setup.files("3\r\n", book16(1, 2));
        c.spoil(setup);
        const auto bilgi = setup.book.read("bilgi.dat");
        EXPECT_FALSE(convertInstallation(setup.windows.path()));
        EXPECT_EQ(setup.book.read("telefon.dat"), book16(1, 2));
        EXPECT_EQ(setup.book.read("bilgi.dat"), bilgi);
        EXPECT_FALSE(setup.book.exists("telefon.tmp"));

        EXPECT_FALSE(installerConversionPending(setup.windows.path()));
        convertForInstaller(setup.windows.path());
        EXPECT_EQ(setup.book.read("telefon.dat"), book16(1, 2));
    }
}

TEST(Conversion, AFailedStepLeavesThe16BookReadableAndConvertible) {
    for (std::size_t failing = 0; failing <= 4; ++failing) {
        SCOPED_TRACE("failing step " + std::to_string(failing));
        Installation16 setup;
        setup.files("3\r\n", book16(1, 2));
        if (failing < 4) {
            const auto inspection = inspectBook(setup.book.path()).value();
            auto steps = conversionSteps(setup.book.path(), inspection);
            steps[failing].run = [] {
                return Result<void>(makeError(ErrorCode::unwritable));
            };
            EXPECT_FALSE(runSteps(setup.book.path(), inspection, steps));
        } else {
            // A real write that fails: a folder stands where telefon.tmp should go.
            std::filesystem::create_directories(setup.book / "telefon.tmp" / "dolu");
            EXPECT_FALSE(convertInstallation(setup.windows.path()));
            std::filesystem::remove_all(setup.book / "telefon.tmp");
        }
        expectFiles(setup.book, {book16(1, 2), "3\r\n", ""});
        EXPECT_FALSE(setup.book.exists("telefon_16.dat"));

        EXPECT_EQ(convertInstallation(setup.windows.path()).value(), Outcome::converted);
        expectFiles(setup.book, {book17(1, 2), "3,\"17\"\r\n", book16(1, 2)});
    }
}

TEST(Conversion, AStopAtAnyStepThenARerunGivesTheConvertedBook) {
    struct Book {
        std::string bilgi, telefon;
        Files after;
    };
    const Book books[] = {
        {"6\r\n", book16(1, 3), {book17(1, 3), "4,\"17\"\r\n", book16(1, 3)}},
        {"3,\"16\"\r\n", book16(1, 5), {book17(1, 2), "3,\"17\"\r\n", book16(1, 5)}},
        {"1\r\n", "", {"", "1,\"17\"\r\n", ""}},
    };
    for (const auto& book : books) {
        for (std::size_t stopAfter = 0; stopAfter <= 4; ++stopAfter) {
            for (bool installer : {false, true}) {
                SCOPED_TRACE(book.bilgi + " stopped after step " + std::to_string(stopAfter) +
                             (installer ? " (installer)" : ""));
                Installation16 setup;
                setup.files(book.bilgi, book.telefon);
                {
                    const auto inspection = inspectBook(setup.book.path()).value();
                    const auto steps = conversionSteps(setup.book.path(), inspection);
                    ASSERT_EQ(steps.size(), 4u);
                    for (std::size_t i = 0; i < stopAfter; ++i) {
                        ASSERT_TRUE(steps[i].run()) << steps[i].what;
                    }
                }
                if (stopAfter == 0) {
                    setup.book.write("telefon.tmp", book.after.telefon.substr(0, 1500)); // torn
                }

                if (installer) {
                    EXPECT_EQ(installerConversionPending(setup.windows.path()), stopAfter < 4);
                    convertForInstaller(setup.windows.path());
                    EXPECT_FALSE(setup.windows.exists("Marunda_16.log"));
                } else {
                    EXPECT_EQ(convertInstallation(setup.windows.path()).value(),
                              stopAfter < 4 ? Outcome::converted : Outcome::alreadyConverted);
                }
                expectFiles(setup.book, book.after);
            }
        }
    }
}

TEST(Conversion, ReportsProgressInStepsOfPages) {
    Installation16 setup;
    const int records = static_cast<int>(2 * kProgressStep + 100);
    setup.files(std::to_string(records + 1) + "\r\n", book16(1, records));
    std::vector<std::pair<std::size_t, std::size_t>> reports;
    const auto outcome =
        convertInstallation(setup.windows.path(), [&](std::size_t done, std::size_t total) {
            reports.emplace_back(done, total);
        });
    ASSERT_TRUE(outcome);
    const std::size_t total = records;
    const std::vector<std::pair<std::size_t, std::size_t>> expected = {
        {0, total}, {kProgressStep, total}, {2 * kProgressStep, total}, {total, total}};
    EXPECT_EQ(reports, expected);
    EXPECT_EQ(setup.book.read("telefon.dat"), book17(1, records));
}

TEST(Conversion, TheInstallerConvertsSilentlyAndOnlyOnce) {
    Installation16 setup;
    setup.files("3\r\n", book16(1, 2));
    EXPECT_TRUE(installerConversionPending(setup.windows.path()));
    convertForInstaller(setup.windows.path());
    expectFiles(setup.book, {book17(1, 2), "3,\"17\"\r\n", book16(1, 2)});
    EXPECT_FALSE(setup.windows.exists("Marunda_16.log"));

    // A 1.6 log that turns up again (left behind, or restored) never converts the book again.
    setup.log(setup.book.path());
    EXPECT_FALSE(installerConversionPending(setup.windows.path()));
    convertForInstaller(setup.windows.path());
    expectFiles(setup.book, {book17(1, 2), "3,\"17\"\r\n", book16(1, 2)});
    EXPECT_FALSE(setup.windows.exists("Marunda_16.log"));

    // Without a log there is nothing to do, and nothing is reported.
    EXPECT_FALSE(installerConversionPending(setup.windows.path()));
    convertForInstaller(setup.windows.path());
}

TEST(Conversion, APrivateBookStaysPrivate) {
    NOT_ON_WINDOWS();
    Installation16 setup;
    setup.files("3\r\n", book16(1, 2));
    const auto owner = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(setup.book / "telefon.dat", owner);
    ASSERT_TRUE(convertInstallation(setup.windows.path()));
    EXPECT_EQ(std::filesystem::status(setup.book / "telefon.dat").permissions(), owner);
}
