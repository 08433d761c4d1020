#include "converter/conversion.h"
#include "converter/installation_conversion.h"
#include "converter_test_support.h"
#include "core/file_io.h"
#include "core/password_file.h"
#include "platform.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

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

// data.dat as a first run makes it, without a password.
bool freshPasswordFile(const TempFolder& dir) {
    return PasswordFile(dir.path()).readPassword().valueOr("<none>").empty();
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
        {"102 records, as long as 79 of 1020 bytes",
         "103\r\n",
         book16(1, 102),
         {book17(1, 102), "103,\"17\"\r\n", book16(1, 102)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation16 setup;
        setup.files(c.bilgi, c.telefon);
        auto outcome = convertInstallation(setup.windows.path());
        ASSERT_TRUE(outcome) << outcome.error().detail;
        EXPECT_EQ(outcome.value(), Outcome::converted);
        expectFiles(setup.book, c.after);
        EXPECT_TRUE(freshPasswordFile(setup.book));
        EXPECT_TRUE(setup.windows.exists(std::string(kLog16)));

        // The second run finds the marker and touches nothing.
        EXPECT_EQ(convertInstallation(setup.windows.path()).value(), Outcome::alreadyConverted);
        expectFiles(setup.book, c.after);
    }
}

// The length of telefon.dat is judged against the counter: a 1.7 book never gets converted, one
// that lost its marker gets it back, and where the counter does not tell, nothing is touched.
TEST(Conversion, NeverConvertsA17Book) {
    struct Case {
        const char* what;
        std::string bilgi, telefon;
        std::optional<Outcome> outcome; // none: refused as ambiguous
        std::string bilgiAfter;
    };
    const Case cases[] = {
        {"marked", "4,\"17\"\r\n", book17(1, 3), Outcome::alreadyConverted, "4,\"17\"\r\n"},
        {"marked, whatever its length", "4,\"17\"\r\n", book16(1, 3), Outcome::alreadyConverted,
         "4,\"17\"\r\n"},
        {"marker lost, 1020-byte records for the counter", "4\r\n", book17(1, 3),
         Outcome::markerRestored, "4,\"17\"\r\n"},
        {"marker lost, with another second item", "3,\"16\"\r\n", book17(1, 2),
         Outcome::markerRestored, "3,\"17\"\r\n"},
        {"marker lost, 79 records as long as 102 of 790 bytes", "80\r\n", book17(1, 79),
         Outcome::markerRestored, "80,\"17\"\r\n"},
        {"whole 1020-byte records for another counter", "50\r\n", book17(1, 79), std::nullopt,
         "50\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation16 setup;
        setup.files(c.bilgi, c.telefon);
        const auto outcome = convertInstallation(setup.windows.path());
        if (c.outcome) {
            ASSERT_TRUE(outcome) << outcome.error().detail;
            EXPECT_EQ(outcome.value(), *c.outcome);
        } else {
            ASSERT_FALSE(outcome);
            EXPECT_EQ(outcome.error().code, ErrorCode::ambiguous);
        }
        EXPECT_EQ(setup.book.read("telefon.dat"), c.telefon);
        EXPECT_EQ(setup.book.read("bilgi.dat"), c.bilgiAfter);
        EXPECT_FALSE(setup.book.exists("telefon_16.dat"));
        EXPECT_EQ(freshPasswordFile(setup.book), c.outcome == Outcome::markerRestored);
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
    const std::size_t stepCount = 5;
    for (std::size_t failing = 0; failing <= stepCount; ++failing) {
        SCOPED_TRACE("failing step " + std::to_string(failing));
        Installation16 setup;
        setup.files("3\r\n", book16(1, 2));
        if (failing < stepCount) {
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
        EXPECT_FALSE(setup.book.exists("data.dat"));

        EXPECT_EQ(convertInstallation(setup.windows.path()).value(), Outcome::converted);
        expectFiles(setup.book, {book17(1, 2), "3,\"17\"\r\n", book16(1, 2)});
        EXPECT_TRUE(freshPasswordFile(setup.book));
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
        for (std::size_t stopAfter = 0; stopAfter <= 5; ++stopAfter) {
            for (bool installer : {false, true}) {
                SCOPED_TRACE(book.bilgi + " stopped after step " + std::to_string(stopAfter) +
                             (installer ? " (installer)" : ""));
                Installation16 setup;
                setup.files(book.bilgi, book.telefon);
                {
                    const auto inspection = inspectBook(setup.book.path()).value();
                    const auto steps = conversionSteps(setup.book.path(), inspection);
                    ASSERT_EQ(steps.size(), 5u);
                    for (std::size_t i = 0; i < stopAfter; ++i) {
                        ASSERT_TRUE(steps[i].run()) << steps[i].what;
                    }
                }
                if (stopAfter == 0) {
                    setup.book.write("telefon.tmp", book.after.telefon.substr(0, 1500)); // torn
                }

                if (installer) {
                    EXPECT_EQ(installerConversionPending(setup.windows.path()), stopAfter < 5);
                    convertForInstaller(setup.windows.path());
                    EXPECT_FALSE(setup.windows.exists("Marunda_16.log"));
                } else {
                    EXPECT_EQ(convertInstallation(setup.windows.path()).value(),
                              stopAfter < 5 ? Outcome::converted : Outcome::alreadyConverted);
                }
                expectFiles(setup.book, book.after);
                EXPECT_TRUE(freshPasswordFile(setup.book));
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
    EXPECT_TRUE(freshPasswordFile(setup.book));
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

    // Already while its first bytes are written, not once it is complete.
    Installation16 again;
    again.files("3\r\n", book16(1, 2));
    std::filesystem::permissions(again.book / "telefon.dat", owner);
    std::vector<std::filesystem::perms> whileWritten;
    ASSERT_TRUE(convertBook(again.book.path(), [&](std::size_t, std::size_t) {
        whileWritten.push_back(std::filesystem::status(again.book / "telefon.tmp").permissions());
    }));
    ASSERT_FALSE(whileWritten.empty());
    EXPECT_EQ(whileWritten.front(), owner);
}

// The log's unquoted first line is one folder, comma and all, for Donusturucu and for Kur alike;
// without a log naming a folder that is there, Donusturucu converts a 1.6 book in its own folder.
TEST(Conversion, FindsTheFolderToConvert) {
    struct Case {
        const char* what;
        const char* logged; // under the book's folder; none when null
        bool installer;
        bool ownFolder; // the book to convert lies in Donusturucu's own folder
    };
    const Case cases[] = {
        {"a folder with a comma", "Rehber, eski", false, false},
        {"a folder with a comma, for Kur", "Rehber, eski", true, false},
        {"no log", nullptr, false, true},
        {"a log naming a folder that is gone", "yok", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation16 setup;
        TempFolder own;
        (void)removeFile(setup.windows / "Marunda_16.log");
        if (c.logged) {
            setup.log(setup.book / c.logged);
        }
        // A decoy where a log cut at its comma would lead.
        setup.book.write("Rehber/bilgi.dat", "3\r\n");
        setup.book.write("Rehber/telefon.dat", book16(1, 2));
        const TempFolder& home = c.ownFolder ? own : setup.book;
        const std::filesystem::path folder = c.ownFolder ? "" : c.logged;
        home.write(folder / "bilgi.dat", "3\r\n");
        home.write(folder / "telefon.dat", book16(1, 2));

        if (c.installer) {
            EXPECT_TRUE(installerConversionPending(setup.windows.path()));
            convertForInstaller(setup.windows.path());
        } else {
            EXPECT_EQ(convertInstallation(setup.windows.path(), {}, own.path()).value(),
                      Outcome::converted);
        }
        EXPECT_EQ(home.read(folder / "telefon.dat"), book17(1, 2));
        EXPECT_EQ(setup.book.read("Rehber/telefon.dat"), book16(1, 2));
    }
}
