// Draws the suite's pictures and icons, and makes its sounds, into the folder named on the
// command line.
#include "artwork.h"
#include "platform/program_files.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool writeIcon(const QDir& out, const IconFile& icon) {
    const QString name = icon.name + ".ico";
    QFile file(out.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(icoFile(icon.draw)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        return false;
    }
    for (const int size : marunda::platform::kIconSizes) {
        const QString picture = QStringLiteral("marunda-%1-%2.png").arg(icon.name).arg(size);
        if (!icon.draw(size).save(out.filePath(picture), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(picture));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: marunda_artwork OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<Artwork> all = anaArtwork();
    for (auto more : {iconArtwork, aboutArtwork, cakeArtwork}) {
        for (auto& art : more()) {
            all.push_back(std::move(art));
        }
    }
    for (const Artwork& art : all) {
        if (!art.draw().save(out.filePath(art.file), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(art.file));
            return 1;
        }
    }
    for (const IconFile& icon : iconFiles()) {
        if (!writeIcon(out, icon)) {
            return 1;
        }
    }
    for (const Sound& sound : soundArtwork()) {
        QFile file(out.filePath(sound.file));
        if (!file.open(QIODevice::WriteOnly) || file.write(sound.make()) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sound.file));
            return 1;
        }
    }
    return 0;
}
