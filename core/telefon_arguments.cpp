#include "core/telefon_arguments.h"

#include "core/page_number.h"
#include "core/record_store.h"
#include "core/text_rules.h"

#include <string_view>

namespace marunda {

namespace {

constexpr std::string_view kPageOption = "--sayfa";
constexpr std::string_view kNameOption = "--isim";

std::optional<int> pageOf(std::string_view text) {
    // Only a plain number: "3x" or "2.5" names no page, and neither does one past the counter.
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto number = readPageNumber(text);
    if (number.value < 1 || number.value > kMaxPage) {
        return std::nullopt;
    }
    return static_cast<int>(number.value);
}

} // namespace

TelefonArguments parseTelefonArguments(std::span<const std::string> arguments) {
    TelefonArguments parsed;
    std::optional<std::string> page, name;
    bool optionsEnded = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k];
        if (optionsEnded || !argument.starts_with('-')) {
            parsed.files.push_back(arguments[k]);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if ((argument == kPageOption || argument == kNameOption) &&
                   k + 1 < arguments.size()) {
            (argument == kPageOption ? page : name) = arguments[++k];
        }
        // Any other option is passed over: the programs took none before.
    }
    if (page && name) {
        if (const auto number = pageOf(*page)) {
            parsed.page = PageRequest{*number, *name};
        }
    }
    return parsed;
}

bool stillNamed(const ContactRecord& record, const PageRequest& request) {
    return blankRunCopy(record.text(Field::name), Field::name) == request.name;
}

} // namespace marunda
