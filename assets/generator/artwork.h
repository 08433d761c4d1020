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

// Every drawing file adds its pictures to this list.
std::vector<Artwork> anaArtwork();
std::vector<Artwork> iconArtwork();
std::vector<Artwork> aboutArtwork();
std::vector<Artwork> cakeArtwork();
std::vector<Sound> soundArtwork();
