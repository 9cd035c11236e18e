// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Wraps the program's PNG icons in the containers Windows and macOS want, both of
// which may hold PNG data as it is:
//   icones ico SORTIE.ico ICONE.png…     a Windows icon
//   icones icns SORTIE.icns ICONE.png…   a macOS icon (16, 32, 64, 128, 256 or 512 px)
// Plain C++, so that it builds on the machine that builds the program.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Octets = std::vector<unsigned char>;

struct Image {
    Octets png;
    uint32_t cote = 0; // width, which the icons share with their height
};

bool lit(const char* chemin, Image& image) {
    std::ifstream f(chemin, std::ios::binary);
    image.png.assign(std::istreambuf_iterator<char>(f), {});
    // The signature, then the IHDR chunk, whose data starts with the width.
    if (image.png.size() < 24 || image.png[1] != 'P' || image.png[12] != 'I') {
        return false;
    }
    image.cote = uint32_t(image.png[16]) << 24 | uint32_t(image.png[17]) << 16 |
                 uint32_t(image.png[18]) << 8 | image.png[19];
    return image.cote > 0;
}

void petitBoutiste(Octets& o, uint32_t v, int octets) {
    for (int i = 0; i < octets; ++i) {
        o.push_back((v >> (8 * i)) & 0xFF);
    }
}

void grandBoutiste(Octets& o, uint32_t v) {
    for (int i = 3; i >= 0; --i) {
        o.push_back((v >> (8 * i)) & 0xFF);
    }
}

// ICONDIR, one ICONDIRENTRY per picture (0 stands for 256), then the pictures.
Octets ico(const std::vector<Image>& images) {
    Octets o;
    petitBoutiste(o, 0, 2);
    petitBoutiste(o, 1, 2);
    petitBoutiste(o, uint32_t(images.size()), 2);
    uint32_t position = uint32_t(6 + 16 * images.size());
    for (const Image& i : images) {
        o.push_back(i.cote >= 256 ? 0 : i.cote);
        o.push_back(i.cote >= 256 ? 0 : i.cote);
        petitBoutiste(o, 0, 2);
        petitBoutiste(o, 1, 2);
        petitBoutiste(o, 32, 2);
        petitBoutiste(o, uint32_t(i.png.size()), 4);
        petitBoutiste(o, position, 4);
        position += uint32_t(i.png.size());
    }
    for (const Image& i : images) {
        o.insert(o.end(), i.png.begin(), i.png.end());
    }
    return o;
}

const char* typeIcns(uint32_t cote) {
    switch (cote) {
    case 16:
        return "icp4";
    case 32:
        return "icp5";
    case 64:
        return "icp6";
    case 128:
        return "ic07";
    case 256:
        return "ic08";
    case 512:
        return "ic09";
    default:
        return nullptr; // a size macOS has no place for
    }
}

Octets icns(const std::vector<Image>& images) {
    Octets corps;
    for (const Image& i : images) {
        if (const char* type = typeIcns(i.cote)) {
            corps.insert(corps.end(), type, type + 4);
            grandBoutiste(corps, uint32_t(8 + i.png.size()));
            corps.insert(corps.end(), i.png.begin(), i.png.end());
        }
    }
    Octets o{'i', 'c', 'n', 's'};
    grandBoutiste(o, uint32_t(8 + corps.size()));
    o.insert(o.end(), corps.begin(), corps.end());
    return o;
}

} // namespace

int main(int argc, char** argv) {
    const std::string genre = argc > 1 ? argv[1] : "";
    if (argc < 4 || (genre != "ico" && genre != "icns")) {
        std::fputs("usage: icones ico|icns SORTIE ICONE.png...\n", stderr);
        return 2;
    }
    std::vector<Image> images(size_t(argc - 3));
    for (int k = 3; k < argc; ++k) {
        if (!lit(argv[k], images[size_t(k - 3)])) {
            std::fprintf(stderr, "icones: %s is no PNG file\n", argv[k]);
            return 1;
        }
    }
    const Octets o = genre == "ico" ? ico(images) : icns(images);
    std::ofstream sortie(argv[2], std::ios::binary);
    sortie.write(reinterpret_cast<const char*>(o.data()), std::streamsize(o.size()));
    return sortie ? 0 : 1;
}
