#include "embedded_textures.h"

#include "bitmap.h"
#include "image.h"

void readEmbeddedKindPictures(int kind, Image& colour, Image& alpha) {
    const int first = 2 * (kind - 1);
    if (kind < 1 || first + 1 >= embeddedPictureCount)
        return;
    readBmpBytes(embeddedPictures[first].bytes, embeddedPictures[first].size, &colour);
    readBmpBytes(embeddedPictures[first + 1].bytes, embeddedPictures[first + 1].size, &alpha);
}
