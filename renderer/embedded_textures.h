#pragma once

#include <cstddef>
#include <cstdint>

class Image;

// The bytes of a picture file the program carries (a generated source holds
// them: assets/textures, the same files as the Windows host carries).
struct EmbeddedPicture {
    const char* name;
    const std::uint8_t* bytes;
    std::size_t size;
};

// For each butterfly kind 1..5 its colour picture, then its alpha picture.
extern const EmbeddedPicture embeddedPictures[];
extern const int embeddedPictureCount;

// The pictures of a kind from the carried bytes, through the bitmap reader.
void readEmbeddedKindPictures(int kind, Image& colour, Image& alpha);
