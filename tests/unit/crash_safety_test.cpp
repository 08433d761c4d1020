// Every operation that writes data, with each of its file-system calls failing in turn: once (a
// full disk, an I/O error) and from then on (a crash). After the next start the folder holds the
// old state or the new one, and a reported result is the state that holds.
#include "common/book_edits.h"
#include "common/book_opening.h"
#include "common/file_faults.h"
#include "common/password_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <set>
#include <vector>

using namespace marunda;

namespace {

ContactRecord person(const std::string& name) {
    ContactRecord record;
    record.setText(Field::name, name);
    return record;
}

using People = std::vector<std::string>;

std::string bookOf(const People& people) {
    std::string bytes;
    for (const auto& name : people) {
        bytes += person(name).bytes();
    }
    return bytes;
}

std::string counterBytes(int value) {
    return std::to_string(value) + ",\"17\"\r\n";
}

// data.dat with `password` set over the filler (none when empty).
std::string passwordFileWith(const std::string& password) {
    std::string bytes;
    while (bytes.size() < kPasswordFileSize) {
        bytes += kPasswordFiller;
    }
    if (!password.empty()) {
        bytes[0] = static_cast<char>('0' + password.size());
        for (std::size_t k = 0; k < password.size(); ++k) {
            bytes[9 + 20 * k] = password[k];
        }
    }
    return bytes;
}

struct Folder {
    TempFolder dir;
    RecordStore store{dir.path()};
};

struct Outcome {
    People people;
    std::string password;
};

struct Operation {
    const char* name;
    std::function<void(const TempFolder&)> setUp;
    std::function<bool(const RecordStore&)> run; // true when it reported success
    Outcome before;
    Outcome after;
};

void threePeople(const TempFolder& dir, int counter, const std::string& password) {
    dir.write("telefon.dat", bookOf({"Ayşe", "Bora", "Cem"}));
    dir.write("bilgi.dat", counterBytes(counter));
    dir.write("data.dat", passwordFileWith(password));
}

const People kThree{"Ayşe", "Bora", "Cem"};

std::vector<Operation> operations() {
    const auto book = [](const std::string& password, int counter = 4) {
        return [=](const TempFolder& dir) {
            threePeople(dir, counter, password);
        };
    };
    return {
        {"set password",
         book(""),
         [](const RecordStore& s) { return PasswordFile(s.folder()).writePassword("ab").ok(); },
         {kThree, ""},
         {kThree, "ab"}},
        {"change password",
         book("eski1234"),
         [](const RecordStore& s) { return PasswordFile(s.folder()).writePassword("ab").ok(); },
         {kThree, "eski1234"},
         {kThree, "ab"}},
        {"remove password",
         book("abc"),
         [](const RecordStore& s) { return PasswordFile(s.folder()).clearPassword().ok(); },
         {kThree, "abc"},
         {kThree, ""}},
        {"first-run creation",
         [](const TempFolder&) {},
         [](const RecordStore& s) { return openBook(s).ok(); },
         {{}, ""},
         {{}, ""}},
        {"recreated counter",
         [](const TempFolder& dir) {
             threePeople(dir, 4, "abc");
             std::filesystem::remove(dir / "bilgi.dat");
         },
         [](const RecordStore& s) { return openBook(s).ok(); },
         {kThree, "abc"},
         {kThree, "abc"}},
        {"start-up repair",
         [](const TempFolder& dir) {
             threePeople(dir, 2, "abc");
             dir.write("telefon.dat", bookOf(kThree) + "Deniz");
         },
         [](const RecordStore& s) { return openBook(s).ok(); },
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"},
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"}},
        {"new record",
         book("abc"),
         [](const RecordStore& s) { return appendRecord(s, person("Deniz")).ok(); },
         {kThree, "abc"},
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"}},
        {"new record after a stale counter",
         book("abc", 2),
         [](const RecordStore& s) { return appendRecord(s, person("Deniz")).ok(); },
         {kThree, "abc"},
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"}},
        {"modify",
         book("abc"),
         [](const RecordStore& s) {
             return rewriteRecord(s, 2, person("Bora"), person("Berk")).ok();
         },
         {kThree, "abc"},
         {{"Ayşe", "Berk", "Cem"}, "abc"}},
        {"delete",
         book("abc"),
         [](const RecordStore& s) { return deletePage(s, 2).ok(); },
         {kThree, "abc"},
         {{"Ayşe", "Cem"}, "abc"}},
    };
}

People peopleIn(const RecordStore& store) {
    People people;
    const auto book = store.readBook().valueOr({});
    for (int page = 1; page <= book.pageCount(); ++page) {
        auto name = book.record(page).text(Field::name);
        name.erase(name.find_last_not_of(' ') + 1);
        people.push_back(name);
    }
    return people;
}

std::set<std::string> namesIn(const TempFolder& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Empty when the folder is sound after the next start; otherwise what is wrong.
std::string faultAfterRestart(const Folder& folder, const Operation& op, bool reported,
                              bool crashed) {
    if (!openBook(folder.store)) {
        return "the next start fails";
    }
    const Outcome now{peopleIn(folder.store),
                      PasswordFile(folder.dir.path()).readPassword().valueOr("<unreadable>")};
    const bool isOld = now.people == op.before.people && now.password == op.before.password;
    const bool isNew = now.people == op.after.people && now.password == op.after.password;
    if (!isOld && !isNew) {
        return "neither the old state nor the new";
    }
    if (!crashed && (reported ? !isNew : !isOld)) {
        return reported ? "success reported, change missing" : "failure reported, change kept";
    }
    if (folder.store.readNextPage().valueOr(-1) != static_cast<int>(now.people.size()) + 1) {
        return "counter is not records + 1";
    }
    if (namesIn(folder.dir) != std::set<std::string>{"bilgi.dat", "data.dat", "telefon.dat"}) {
        return "leftover files";
    }
    return {};
}

} // namespace

TEST(CrashSafety, EveryOperationSurvivesAFailureAtEveryFileCall) {
    int tried = 0;
    int broken = 0;
    std::string callsPerOperation;
    for (const auto& op : operations()) {
        int calls = 0;
        {
            Folder folder;
            op.setUp(folder.dir);
            file_faults::arm(0, file_faults::Kind::once);
            EXPECT_TRUE(op.run(folder.store)) << op.name;
            calls = file_faults::counted();
            file_faults::disarm();
        }
        callsPerOperation += std::string(op.name) + " " + std::to_string(calls) + "; ";
        for (int n = 1; n <= calls; ++n) {
            for (auto kind : {file_faults::Kind::once, file_faults::Kind::fromThenOn}) {
                Folder folder;
                op.setUp(folder.dir);
                file_faults::arm(n, kind);
                const bool reported = op.run(folder.store);
                file_faults::disarm();
                const auto fault =
                    faultAfterRestart(folder, op, reported, kind == file_faults::Kind::fromThenOn);
                ++tried;
                if (!fault.empty()) {
                    ++broken;
                    ADD_FAILURE() << op.name << ", call " << n << " of " << calls
                                  << (kind == file_faults::Kind::once ? " fails" : ", crash")
                                  << ": " << fault;
                }
            }
        }
    }
    std::cout << "file calls: " << callsPerOperation << "\n"
              << broken << " of " << tried << " fault points broke the book\n";
}
