#include "core/telefon_arguments.h"

#include <gtest/gtest.h>

using namespace marunda;

TEST(TelefonArguments, PageRequestAndFiles) {
    using Files = std::vector<std::string>;
    const struct {
        std::vector<std::string> arguments;
        std::optional<PageRequest> page;
        Files files;
    } cases[] = {
        {{}, {}, {}},
        {{"a.vcf", "Kişiler B.VCF"}, {}, {"a.vcf", "Kişiler B.VCF"}},
        {{"--sayfa", "12", "--isim", "Ayşe Kaya"}, PageRequest{12, "Ayşe Kaya"}, {}},
        {{"--isim", "Ali", "--sayfa", "3", "x.vcf"}, PageRequest{3, "Ali"}, {"x.vcf"}},
        {{"a.vcf", "--sayfa", "32767", "--isim", "", "b.vcf"},
         PageRequest{32767, ""},
         {"a.vcf", "b.vcf"}},
        // Only both options together ask for a page, and only a page the book can have.
        {{"--sayfa", "4"}, {}, {}},
        {{"--isim", "Ali"}, {}, {}},
        {{"--sayfa", "0", "--isim", "Ali"}, {}, {}},
        {{"--sayfa", "32768", "--isim", "Ali"}, {}, {}},
        {{"--sayfa", "-2", "--isim", "Ali"}, {}, {}},
        {{"--sayfa", "2.5", "--isim", "Ali"}, {}, {}},
        {{"--sayfa", "3x", "--isim", "Ali"}, {}, {}},
        {{"--sayfa", "99999999999999999999", "--isim", "Ali"}, {}, {}},
        // An option's value is taken whole, even when it looks like an option or a file.
        {{"--isim", "--sayfa", "--sayfa", "5"}, PageRequest{5, "--sayfa"}, {}},
        {{"--sayfa", "5", "--isim", "a.vcf"}, PageRequest{5, "a.vcf"}, {}},
        {{"--isim"}, {}, {}},
        // Unknown options are passed over; after "--" everything is a file.
        {{"--yeni", "a.vcf", "-x"}, {}, {"a.vcf"}},
        {{"--", "--sayfa", "2", "--isim", "Ali"}, {}, {"--sayfa", "2", "--isim", "Ali"}},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& argument : c.arguments) {
            shown += '[' + argument + ']';
        }
        const auto parsed = parseTelefonArguments(c.arguments);
        EXPECT_EQ(parsed.page, c.page) << shown;
        EXPECT_EQ(parsed.files, c.files) << shown;
    }
}
