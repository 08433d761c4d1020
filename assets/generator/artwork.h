#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

// One picture the generator writes: its file name and how it is drawn.
struct Artwork {
    QString file;
    std::function<QImage()> draw;
};

// One sound the generator writes: its file name and its bytes.
struct Sound {
    QString file;
    std::function<QByteArray()> make;
};

// A program's icon, drawn anew at each of its sizes into its icon file `<name>.ico` and into the
// icon theme's pictures `marunda-<name>-<size>.png`.
struct IconFile {
    QString name;
    std::function<QImage(int)> draw;
};

// Every drawing file adds its pictures to this list.
std::vector<Artwork> anaArtwork();
std::vector<Artwork> iconArtwork();
std::vector<Artwork> aboutArtwork();
std::vector<Artwork> cakeArtwork();
std::vector<Sound> soundArtwork();

// The programs' icons as drawn at any size.
QImage telefonIcon(int size);
QImage ziloraIcon(int size);
std::vector<IconFile> iconFiles();
// An .ico file holding the drawing at each size of kIconSizes.
QByteArray icoFile(const std::function<QImage(int)>& draw);
