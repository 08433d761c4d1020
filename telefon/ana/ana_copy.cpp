// Double-click on a field of section 1 copies its bare text to the clipboard.
#include "telefon/ana/ana.h"

#include "core/phone_text.h"
#include "core/scratch_file.h"
#include "core/text_rules.h"
#include "ui/command_label.h"
#include "ui/notice.h"

#include <QClipboard>
#include <QGuiApplication>

namespace marunda::telefon {

using marunda::Field;

namespace {

constexpr Field kCopied[] = {Field::name, Field::phone1,  Field::phone2,   Field::phone3,
                             Field::fax,  Field::address, Field::birthday, Field::notes};

bool isNumber(Field field) {
    return field == Field::phone1 || field == Field::phone2 || field == Field::phone3 ||
           field == Field::fax;
}

} // namespace

void Ana::connectCopies() {
    for (Field field : kCopied) {
        connect(display_[static_cast<std::size_t>(field)], &Label::doubleClicked, this,
                [this, field] { copyField(field); });
    }
}

void Ana::copyField(Field field) {
    const std::string shown = displayedText(field).toStdString();
    (void)store_.enterProgramFolder();
    // The scratch copy is a by-product: a read-only program folder must not stop the copy.
    (void)marunda::keepScratchLine(store_, shown);
    std::string copy = marunda::blankRunCopy(shown, field);
    if (isNumber(field)) {
        copy = marunda::compactPhone(copy);
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(copy));
    pano_->flash();
}

} // namespace marunda::telefon
