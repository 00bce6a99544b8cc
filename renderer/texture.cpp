#include "texture.h"

#include "image.h"
#include "texture_pixels.h"

#include <GL/freeglut.h>

namespace {

GLenum glFormat(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::Luminance:
        return GL_LUMINANCE;
    case PixelLayout::LuminanceAlpha:
        return GL_LUMINANCE_ALPHA;
    case PixelLayout::Rgb:
        return GL_RGB;
    case PixelLayout::Rgba:
        break;
    }
    return GL_RGBA;
}

} // namespace

TextureHandle::~TextureHandle() {
    release();
}

bool TextureHandle::build(const Image& colour, const Image* alpha) {
    release();
    GLuint name = 0;
    glGenTextures(1, &name);
    value_ = name + 1;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLfloat>(GL_CLAMP));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLfloat>(GL_CLAMP));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLfloat>(GL_LINEAR));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    static_cast<GLfloat>(GL_LINEAR_MIPMAP_NEAREST));

    const TexturePlan plan = planTexture(colour, alpha);
    if (!plan.accepted) {
        release();
        return false;
    }
    if (!plan.upload)
        return true;

    const TexturePixels& upload = *plan.upload;
    // Rows are packed; say so when a row is not a multiple of four bytes.
    const std::uint32_t rowBytes = upload.width * static_cast<std::uint32_t>(upload.components);
    glPixelStorei(GL_UNPACK_ALIGNMENT, rowBytes % 4 == 0 ? 4 : 1);
    const GLenum format = glFormat(upload.layout);
    gluBuild2DMipmaps(GL_TEXTURE_2D, upload.components, static_cast<GLint>(upload.width),
                      static_cast<GLint>(upload.height), format, GL_UNSIGNED_BYTE,
                      upload.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    return true;
}

void TextureHandle::bind() const {
    glBindTexture(GL_TEXTURE_2D, value_ - 1);
}

void TextureHandle::release() {
    if (value_ == 0)
        return;
    const GLuint name = value_ - 1;
    glDeleteTextures(1, &name);
    value_ = 0;
}
