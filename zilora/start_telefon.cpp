#include "zilora/start_telefon.h"

#include "platform/platform.h"
#include "platform/program_files.h"
#include "ui/message_box.h"

#include <string>
#include <vector>

namespace marunda::zilora {

void startTelefon(const std::filesystem::path& folder, const QStringList& arguments) {
    std::vector<std::string> texts;
    for (const auto& argument : arguments) {
        texts.push_back(argument.toStdString());
    }
    const auto program = platform::findSibling(folder, platform::programName(platform::kTelefon));
    if (program && platform::startDetached(*program, texts)) {
        return;
    }
    ui::MessageBox::critical(
        nullptr, QStringLiteral("Dosya Bulunamadı"),
        QStringLiteral("Telefon.exe dosyası bulunamıyor, lütfen programı tekrar yükleyin"));
}

QStringList pageArguments(int page, const QString& name) {
    return {QStringLiteral("--sayfa"), QString::number(page), QStringLiteral("--isim"), name};
}

} // namespace marunda::zilora
